#include "runtime/dateien.h"

#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/ort.h"
#include "runtime/text.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace saldino::runtime {

namespace {

int fehler_nach_schreibvorgaengen = 0;
int fehler_nummer = 0;
int fehler_nach_umbenennungen = 0;
int umbenennungsfehler_nummer = 0;
int abbruch_nach_schritten = 0;
int fehler_nach_schritten = 0;
int schrittfehler_nummer = 0;

// Every write to disk passes here, so the test seam reaches all of them.
ssize_t schreibe_einmal(int deskriptor, const char* daten, std::size_t anzahl,
                        std::int64_t position) {
    testnaht::schritt();
    if (fehler_nach_schreibvorgaengen > 0 && --fehler_nach_schreibvorgaengen == 0) {
        const std::size_t haelfte = anzahl / 2;
        if (haelfte > 0) {
            // Half the data reaches the file, as when a disk fills up; what
            // the call says is of no interest, the failure follows.
            const ssize_t halb = position < 0 ? ::write(deskriptor, daten, haelfte)
                                              : ::pwrite(deskriptor, daten, haelfte, position);
            static_cast<void>(halb);
        }
        errno = fehler_nummer;
        return -1;
    }
    return position < 0 ? ::write(deskriptor, daten, anzahl)
                        : ::pwrite(deskriptor, daten, anzahl, position);
}

[[noreturn]] void wirf_verweis(const std::string& name) {
    throw Laufzeitfehler(utf8_nach_cp1252(meldungen::verweis(cp1252_nach_utf8(name))));
}

// Opens a regular file, and only a regular file. Nothing blocks: a FIFO or a
// device in a data file's place is refused as an invalid file name instead
// of hanging the program. A file opened for writing, and any file of the
// hidden folder, is never reached through a symlink, so nothing outside the
// directory is written.
int oeffne(const std::string& name, int flags, mode_t modus = 0666) {
    const Ort ort(name);
    const bool schreibend = (flags & O_ACCMODE) != O_RDONLY;
    const bool nie_folgen = schreibend || ort.geschuetzt();
    int deskriptor;
    do {
        deskriptor =
            ::openat(ort.ordner(), ort.blatt(),
                     flags | O_CLOEXEC | O_NONBLOCK | (nie_folgen ? O_NOFOLLOW : 0), modus);
    } while (deskriptor < 0 && errno == EINTR);
    if (deskriptor < 0) {
        const int fehler = errno;
        if (fehler == ELOOP && nie_folgen) {
            wirf_verweis(name);
        }
        // A FIFO without a reader refuses a writer with ENXIO.
        wirf_dateifehler(fehler == ENXIO ? EINVAL : fehler);
    }
    struct stat info {};
    if (::fstat(deskriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(deskriptor);
        wirf_dateifehler(EISDIR);
    }
    ::fcntl(deskriptor, F_SETFL, ::fcntl(deskriptor, F_GETFL) & ~O_NONBLOCK);
    return deskriptor;
}

} // namespace

namespace intern {
// Writes all bytes; position < 0 writes at the file's current offset.
void schreibe_alles(int deskriptor, const void* daten, std::size_t anzahl, std::int64_t position) {
    const auto* zeiger = static_cast<const char*>(daten);
    while (anzahl > 0) {
        const ssize_t geschrieben = schreibe_einmal(deskriptor, zeiger, anzahl, position);
        if (geschrieben < 0) {
            if (errno == EINTR) {
                continue;
            }
            wirf_dateifehler(errno);
        }
        if (geschrieben == 0) {
            wirf_dateifehler(ENOSPC);
        }
        zeiger += geschrieben;
        anzahl -= static_cast<std::size_t>(geschrieben);
        if (position >= 0) {
            position += geschrieben;
        }
    }
}
} // namespace intern

namespace testnaht {
void schreibfehler_bei(int n, int fehlernummer) {
    fehler_nach_schreibvorgaengen = n;
    fehler_nummer = fehlernummer;
}
void umbenennungsfehler_bei(int n, int fehlernummer) {
    fehler_nach_umbenennungen = n;
    umbenennungsfehler_nummer = fehlernummer;
}
void abbruch_bei(int n) {
    abbruch_nach_schritten = n;
}
void fehler_bei(int n, int fehlernummer) {
    fehler_nach_schritten = n;
    schrittfehler_nummer = fehlernummer;
}
bool fehler_ausstehend() {
    return fehler_nach_schritten > 0;
}
void schritt() {
    if (abbruch_nach_schritten > 0 && --abbruch_nach_schritten == 0) {
        ::_exit(77);
    }
    if (fehler_nach_schritten > 0 && --fehler_nach_schritten == 0) {
        wirf_dateifehler(schrittfehler_nummer);
    }
}
bool umbenennung_scheitert(int& fehlernummer) {
    if (fehler_nach_umbenennungen > 0 && --fehler_nach_umbenennungen == 0) {
        fehlernummer = umbenennungsfehler_nummer;
        return true;
    }
    return false;
}
} // namespace testnaht

Datei::Datei(const std::string& name, Zugriff zugriff, bool anlegen) {
    int flags = zugriff == Zugriff::lesen       ? O_RDONLY
                : zugriff == Zugriff::schreiben ? O_WRONLY
                                                : O_RDWR;
    if (anlegen) {
        flags |= O_CREAT;
    }
    deskriptor_ = oeffne(name, flags);
}

Datei::~Datei() {
    if (deskriptor_ >= 0) {
        ::close(deskriptor_);
    }
}

std::int64_t Datei::groesse() const {
    struct stat info {};
    if (::fstat(deskriptor_, &info) != 0) {
        wirf_dateifehler(errno);
    }
    return info.st_size;
}

std::size_t Datei::lies(std::int64_t position, void* ziel, std::size_t anzahl) const {
    auto* zeiger = static_cast<char*>(ziel);
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        const ssize_t n = ::pread(deskriptor_, zeiger + gelesen, anzahl - gelesen,
                                  position + static_cast<std::int64_t>(gelesen));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            wirf_dateifehler(errno);
        }
        if (n == 0) {
            break;
        }
        gelesen += static_cast<std::size_t>(n);
    }
    return gelesen;
}

void Datei::schreibe(std::int64_t position, const void* daten, std::size_t anzahl) {
    intern::schreibe_alles(deskriptor_, daten, anzahl, position);
}

void Datei::kuerze(std::int64_t laenge) {
    testnaht::schritt();
    if (::ftruncate(deskriptor_, laenge) != 0) {
        wirf_dateifehler(errno);
    }
}

void Datei::auf_platte() {
    testnaht::schritt();
    if (::fsync(deskriptor_) != 0) {
        wirf_dateifehler(errno);
    }
}

void Datei::schliessen() {
    const int deskriptor = deskriptor_;
    deskriptor_ = -1;
    if (deskriptor >= 0 && ::close(deskriptor) != 0 && errno != EINTR) {
        wirf_dateifehler(errno);
    }
}

void Datei::setze_modus(unsigned modus) const {
    if (::fchmod(deskriptor_, static_cast<mode_t>(modus)) != 0) {
        wirf_dateifehler(errno);
    }
}

bool existiert(const std::string& name) {
    if (im_programmordner(name)) {
        return stand_von(name).vorhanden;
    }
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0;
}

void wechsle_verzeichnis(const std::string& verzeichnis) {
    if (::chdir(verzeichnis.c_str()) != 0) {
        wirf_dateifehler(errno);
    }
}

Zwischenordner::Zwischenordner() {
    std::error_code fehler;
    std::string muster = (std::filesystem::temp_directory_path(fehler) / "saldino-XXXXXX").string();
    if (fehler || ::mkdtemp(muster.data()) == nullptr) {
        wirf_dateifehler(fehler ? fehler.value() : errno);
    }
    pfad_ = muster;
}

Zwischenordner::~Zwischenordner() {
    std::error_code fehler;
    std::filesystem::remove_all(pfad_, fehler);
}

std::string lies_ganz(const std::string& name) {
    Datei datei(name, Datei::Zugriff::lesen);
    std::string inhalt;
    constexpr std::size_t block = 64 * 1024;
    std::size_t gelesen = 0;
    for (;;) {
        // Read one byte past the limit to tell a file of exactly the limit from a larger one.
        if (gelesen > hoechstgroesse_ganz) {
            throw Laufzeitfehler(utf8_nach_cp1252(meldungen::zu_gross(cp1252_nach_utf8(name))));
        }
        inhalt.resize(gelesen + block);
        const std::size_t n =
            datei.lies(static_cast<std::int64_t>(gelesen), inhalt.data() + gelesen, block);
        gelesen += n;
        if (n < block) {
            break;
        }
    }
    if (gelesen > hoechstgroesse_ganz) {
        throw Laufzeitfehler(utf8_nach_cp1252(meldungen::zu_gross(cp1252_nach_utf8(name))));
    }
    inhalt.resize(gelesen);
    datei.schliessen();
    return inhalt;
}

std::vector<std::string> teile_zeilen(std::string_view text, std::size_t hoechstzahl) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < text.size() && zeilen.size() < hoechstzahl) {
        std::size_t ende = text.find_first_of("\r\n", anfang);
        if (ende == std::string_view::npos) {
            zeilen.emplace_back(text.substr(anfang));
            break;
        }
        zeilen.emplace_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
        if (text[ende] == '\r' && anfang < text.size() && text[anfang] == '\n') {
            ++anfang;
        }
    }
    return zeilen;
}

bool gleicher_inhalt(const std::string& a, const std::string& b) {
    const Datei erste(a, Datei::Zugriff::lesen);
    const Datei zweite(b, Datei::Zugriff::lesen);
    if (erste.groesse() != zweite.groesse()) {
        return false;
    }
    std::vector<char> block_a(64 * 1024);
    std::vector<char> block_b(block_a.size());
    for (std::int64_t position = 0;;) {
        const std::size_t gelesen = erste.lies(position, block_a.data(), block_a.size());
        if (zweite.lies(position, block_b.data(), block_b.size()) != gelesen ||
            !std::equal(block_a.begin(), block_a.begin() + static_cast<std::ptrdiff_t>(gelesen),
                        block_b.begin())) {
            return false;
        }
        if (gelesen < block_a.size()) {
            return true;
        }
        position += static_cast<std::int64_t>(gelesen);
    }
}

void kopiere_datei(const std::string& quelle, const std::string& ziel) {
    Datei von(quelle, Datei::Zugriff::lesen);
    Datei nach(ziel, Datei::Zugriff::schreiben, true);
    nach.kuerze(0);
    std::vector<char> puffer(64 * 1024);
    std::int64_t position = 0;
    for (std::size_t n; (n = von.lies(position, puffer.data(), puffer.size())) > 0;) {
        nach.schreibe(position, puffer.data(), n);
        position += static_cast<std::int64_t>(n);
    }
    nach.schliessen();
    von.schliessen();
}

std::string voller_pfad(const std::string& name) {
    std::error_code fehler;
    const auto pfad = std::filesystem::absolute(name, fehler);
    return utf8_nach_cp1252(fehler ? name : pfad.string());
}

} // namespace saldino::runtime
