#include "runtime/ort.h"

#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace saldino::runtime {

namespace {

bool ist_eigen(const struct stat& info) {
    // Root acting as another user meanwhile still owns what it made.
    return info.st_uid == ::geteuid() || info.st_uid == ::getuid();
}

int oeffne_teil(int ordner, const std::string& teil, const std::string& bisher) {
    int deskriptor;
    do {
        deskriptor = ::openat(ordner, teil.c_str(),
                              O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    } while (deskriptor < 0 && errno == EINTR);
    if (deskriptor < 0) {
        if (errno == ELOOP || errno == ENOTDIR) {
            wirf_kein_gewoehnlicher_ordner(bisher);
        }
        if (errno == ENOENT) {
            throw OrdnerFehlt(dateifehler_text(ENOENT));
        }
        wirf_dateifehler(errno);
    }
    struct stat info {};
    if (::fstat(deskriptor, &info) != 0 || !ist_eigen(info)) {
        ::close(deskriptor);
        wirf_kein_gewoehnlicher_ordner(bisher);
    }
    return deskriptor;
}

std::string zeitstempel() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
    ::localtime_r(&jetzt, &zeit);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", zeit.tm_year + 1900,
                  zeit.tm_mon + 1, zeit.tm_mday, zeit.tm_hour, zeit.tm_min, zeit.tm_sec);
    return text;
}

// Renames without replacing what has the new name already.
int benenne_ohne_ersetzen(int ordner, const char* von, const char* nach) {
#ifdef __EMSCRIPTEN__
    // The browser's file system has no renameat2; one program works in it at a time.
    struct stat info {};
    if (::fstatat(ordner, nach, &info, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::renameat(ordner, von, ordner, nach);
#else
    return ::renameat2(ordner, von, ordner, nach, RENAME_NOREPLACE);
#endif
}

} // namespace

bool im_programmordner(std::string_view name) {
    const std::string_view ordner = programmordner;
    return name.starts_with(ordner) && (name.size() == ordner.size() || name[ordner.size()] == '/');
}

void wirf_kein_gewoehnlicher_ordner(const std::string& name) {
    throw Laufzeitfehler(utf8_nach_cp1252(
        meldungen::kein_gewoehnlicher_ordner(cp1252_nach_utf8(voller_pfad(name)))));
}

Ort::Ort(const std::string& name) : ordner_(AT_FDCWD) {
    if (!im_programmordner(name)) {
        blatt_ = name;
        return;
    }
    geschuetzt_ = true;
    std::size_t anfang = 0;
    for (std::size_t strich; (strich = name.find('/', anfang)) != std::string::npos;
         anfang = strich + 1) {
        const std::string teil = name.substr(anfang, strich - anfang);
        if (teil.empty() || teil == "." || teil == "..") {
            wirf_kein_gewoehnlicher_ordner(name.substr(0, strich));
        }
        const int naechster = oeffne_teil(ordner_, teil, name.substr(0, strich));
        if (ordner_ != AT_FDCWD) {
            ::close(ordner_);
        }
        ordner_ = naechster;
    }
    blatt_ = name.substr(anfang);
}

Ort::~Ort() {
    if (ordner_ >= 0) {
        ::close(ordner_);
    }
}

Ort::Ort(Ort&& anderer) noexcept
    : blatt_(std::move(anderer.blatt_)), ordner_(anderer.ordner_),
      geschuetzt_(anderer.geschuetzt_) {
    anderer.ordner_ = AT_FDCWD;
}

void Ort::auf_platte() const {
    testnaht::schritt();
    int deskriptor = ordner_;
    bool eigener = false;
    if (ordner_ == AT_FDCWD) {
        const std::size_t strich = blatt_.rfind('/');
        const std::string ordner = strich == std::string::npos ? "." : blatt_.substr(0, strich + 1);
        deskriptor = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (deskriptor < 0) {
            return;
        }
        eigener = true;
    }
    const int ergebnis = ::fsync(deskriptor);
    const int fehler = errno;
    if (eigener) {
        ::close(deskriptor);
    }
    if (ergebnis != 0 && fehler != EINVAL && fehler != EROFS) {
        wirf_dateifehler(fehler);
    }
}

Dateistand stand_von(const std::string& name) {
    try {
        const Ort ort(name);
        struct stat info {};
        if (::fstatat(ort.ordner(), ort.blatt(), &info,
                      ort.geschuetzt() ? AT_SYMLINK_NOFOLLOW : 0) != 0) {
            return {};
        }
        return {true,
                S_ISREG(info.st_mode),
                S_ISDIR(info.st_mode),
                ist_eigen(info),
                static_cast<std::int64_t>(info.st_size),
                static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                    info.st_mtim.tv_nsec,
                static_cast<unsigned>(info.st_mode & 07777)};
    } catch (const Laufzeitfehler&) {
        return {};
    }
}

std::string lege_beiseite(const std::string& name) {
    const Ort ort(name);
    const std::string basis = std::string(ort.blatt()) + ".beiseite-" + zeitstempel();
    for (int n = 1; n < 100; ++n) {
        const std::string neu = n == 1 ? basis : basis + '-' + std::to_string(n);
        testnaht::schritt();
        if (benenne_ohne_ersetzen(ort.ordner(), ort.blatt(), neu.c_str()) == 0) {
            ort.auf_platte();
            const std::size_t strich = name.rfind('/');
            return strich == std::string::npos ? neu : name.substr(0, strich + 1) + neu;
        }
        if (errno != EEXIST) {
            wirf_dateifehler(errno);
        }
    }
    wirf_dateifehler(EEXIST);
}

bool pruefe_ordner(const std::string& name) {
    struct stat info {};
    try {
        const Ort ort(name);
        if (::fstatat(ort.ordner(), ort.blatt(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            return false;
        }
    } catch (const OrdnerFehlt&) {
        return false;
    }
    if (S_ISDIR(info.st_mode) && ist_eigen(info)) {
        return false;
    }
    try {
        lege_beiseite(name);
    } catch (const Laufzeitfehler&) {
        wirf_kein_gewoehnlicher_ordner(name);
    }
    return true;
}

void lege_ordner_an(const std::string& name) {
    pruefe_ordner(name);
    const Ort ort(name);
    testnaht::schritt();
    if (::mkdirat(ort.ordner(), ort.blatt(), 0777) != 0 && errno != EEXIST) {
        wirf_dateifehler(errno);
    }
}

void entferne(const std::string& name) {
    const Ort ort(name);
    testnaht::schritt();
    if (::unlinkat(ort.ordner(), ort.blatt(), 0) != 0 && errno != ENOENT) {
        wirf_dateifehler(errno);
    }
}

void entferne_still(const std::string& name) {
    try {
        const Ort ort(name);
        ::unlinkat(ort.ordner(), ort.blatt(), 0);
    } catch (const Laufzeitfehler&) {
    }
}

int lege_ordnerpfad_an(const std::string& pfad) {
    std::error_code fehler;
    std::filesystem::create_directories(pfad, fehler);
    if (fehler) {
        return fehler.value();
    }
    return std::filesystem::is_directory(pfad, fehler) ? 0 : ENOTDIR;
}

bool entferne_leeren_ordner(const std::string& name) {
    try {
        const Ort ort(name);
        return ::unlinkat(ort.ordner(), ort.blatt(), AT_REMOVEDIR) == 0;
    } catch (const Laufzeitfehler&) {
        return false;
    }
}

void verknuepfe(const std::string& quelle, const std::string& ziel) {
    const Ort von(quelle);
    const Ort nach(ziel);
    testnaht::schritt();
    ::unlinkat(nach.ordner(), nach.blatt(), 0);
    if (::linkat(von.ordner(), von.blatt(), nach.ordner(), nach.blatt(), 0) != 0) {
        kopiere_datei(quelle, ziel);
    }
}

std::vector<std::string> eintraege(const std::string& ordner) {
    std::vector<std::string> namen;
    int deskriptor;
    try {
        const Ort ort(ordner);
        deskriptor =
            ::openat(ort.ordner(), ort.blatt(),
                     O_RDONLY | O_DIRECTORY | O_CLOEXEC | (ort.geschuetzt() ? O_NOFOLLOW : 0));
    } catch (const Laufzeitfehler&) {
        return namen;
    }
    DIR* verzeichnis = deskriptor < 0 ? nullptr : ::fdopendir(deskriptor);
    if (verzeichnis == nullptr) {
        if (deskriptor >= 0) {
            ::close(deskriptor);
        }
        return namen;
    }
    while (const dirent* eintrag = ::readdir(verzeichnis)) {
        const std::string name = eintrag->d_name;
        if (name != "." && name != "..") {
            namen.push_back(name);
        }
    }
    ::closedir(verzeichnis);
    return namen;
}

void setze_modus(const std::string& name, unsigned modus) {
    const Datei datei(name, Datei::Zugriff::lesen);
    datei.setze_modus(modus);
}

bool beschreibbar(const std::string& name) {
    const Ort ort(name);
    return ::faccessat(ort.ordner(), ort.blatt(), W_OK, AT_EACCESS) == 0;
}

} // namespace saldino::runtime
