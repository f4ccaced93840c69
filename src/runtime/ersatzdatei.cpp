// Replacing a whole file through a temporary file beside it.
#include "runtime/dateien.h"

#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace saldino::runtime {

namespace {

// A new file of its own beside the target, as mkstemp makes one, but in the
// folder the target's place was reached through.
int temporaere_datei(const Ort& ort, std::string& blatt) {
    static constexpr char zeichen[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 zufall{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> wahl(0, sizeof zeichen - 2);
    const std::string anfang = std::string(ort.blatt()) + std::string(temporaer_kennung);
    for (int versuch = 0; versuch < 100; ++versuch) {
        blatt = anfang;
        for (int i = 0; i < 6; ++i) {
            blatt += zeichen[wahl(zufall)];
        }
        const int deskriptor = ::openat(ort.ordner(), blatt.c_str(),
                                        O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (deskriptor >= 0 || errno != EEXIST) {
            return deskriptor;
        }
    }
    errno = EEXIST;
    return -1;
}

// The permissions of a new file, as open() would give them.
unsigned neuer_modus() {
#ifdef __EMSCRIPTEN__
    // The browser's file system keeps no umask of the user's.
    return 0644;
#else
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
#endif
}

} // namespace

void entferne_reste_von(const std::string& ziel) {
    const std::size_t strich = ziel.rfind('/');
    const std::string ordner = strich == std::string::npos ? "." : ziel.substr(0, strich);
    const std::string vorne = strich == std::string::npos ? "" : ziel.substr(0, strich + 1);
    const std::string anfang = ziel.substr(vorne.size()) + std::string(temporaer_kennung);
    for (const std::string& name : eintraege(ordner)) {
        if (name.size() == anfang.size() + 6 && name.starts_with(anfang) &&
            stand_von(vorne + name).regulaer) {
            const Ort ort(vorne + name);
            ::unlinkat(ort.ordner(), ort.blatt(), 0);
        }
    }
}

Ersatzdatei::Ersatzdatei(std::string ziel) : ziel_(std::move(ziel)), ort_(ziel_) {
    struct stat info {};
    if (::fstatat(ort_.ordner(), ort_.blatt(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        // The rename would replace a symlink instead of writing through it,
        // and anything but a regular file is no file of ours.
        if (S_ISLNK(info.st_mode)) {
            throw Laufzeitfehler(utf8_nach_cp1252(meldungen::verweis(cp1252_nach_utf8(ziel_))));
        }
        // rename() would ignore the target's own write protection.
        Datei(ziel_, Datei::Zugriff::schreiben).schliessen();
        modus_ = info.st_mode & 07777;
    } else {
        modus_ = neuer_modus();
    }
    entferne_reste_von(ziel_);
    std::string blatt;
    deskriptor_ = temporaere_datei(ort_, blatt);
    if (deskriptor_ < 0) {
        wirf_dateifehler(errno);
    }
    // The temporary file's name as the target's is given: its folder, then its own part.
    temporaer_ = ort_.geschuetzt() ? ziel_.substr(0, ziel_.rfind('/') + 1) + blatt : blatt;
}

Ersatzdatei::~Ersatzdatei() {
    if (deskriptor_ >= 0) {
        ::close(deskriptor_);
    }
    if (!temporaer_.empty()) {
        try {
            const Ort ort(temporaer_);
            ::unlinkat(ort.ordner(), ort.blatt(), 0);
        } catch (const Laufzeitfehler&) {
        }
    }
}

void Ersatzdatei::schreibe(std::string_view daten) {
    constexpr std::size_t puffergroesse = 64 * 1024;
    if (puffer_.size() + daten.size() > puffergroesse) {
        puffer_leeren();
    }
    if (daten.size() >= puffergroesse) {
        intern::schreibe_alles(deskriptor_, daten.data(), daten.size(), -1);
    } else {
        puffer_.append(daten);
    }
}

void Ersatzdatei::puffer_leeren() {
    intern::schreibe_alles(deskriptor_, puffer_.data(), puffer_.size(), -1);
    puffer_.clear();
}

void Ersatzdatei::fertigstellen() {
    abschliessen();
    umbenennen();
}

void Ersatzdatei::abschliessen() {
    puffer_leeren();
    testnaht::schritt();
    if (::fchmod(deskriptor_, modus_) != 0 || ::fsync(deskriptor_) != 0) {
        wirf_dateifehler(errno);
    }
    const int deskriptor = deskriptor_;
    deskriptor_ = -1;
    if (::close(deskriptor) != 0 && errno != EINTR) {
        wirf_dateifehler(errno);
    }
}

void Ersatzdatei::umbenennen() {
    std::string temporaer = std::move(temporaer_);
    temporaer_.clear();
    try {
        benenne_um(temporaer, ziel_);
    } catch (const NichtAufPlatte&) {
        throw;
    } catch (const Laufzeitfehler&) {
        temporaer_ = std::move(temporaer); // not renamed: removed with this object
        throw;
    }
}

void benenne_um(const std::string& von, const std::string& nach) {
    int fehlernummer = 0;
    if (testnaht::umbenennung_scheitert(fehlernummer)) {
        wirf_dateifehler(fehlernummer);
    }
    const Ort alt(von);
    const Ort neu(nach);
    testnaht::schritt();
    if (::renameat(alt.ordner(), alt.blatt(), neu.ordner(), neu.blatt()) != 0) {
        wirf_dateifehler(errno);
    }
    try {
        neu.auf_platte();
    } catch (const Laufzeitfehler& fehler) {
        throw NichtAufPlatte(fehler.meldung());
    }
}

void ersetze_datei(const std::string& name, std::string_view inhalt) {
    Ersatzdatei datei(name);
    datei.schreibe(inhalt);
    datei.fertigstellen();
}

} // namespace saldino::runtime
