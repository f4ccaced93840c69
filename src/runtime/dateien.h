#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/ort.h"

// Files of the working directory. Every failure throws Laufzeitfehler with the
// runtime's German message; a file is closed before the command that opened it
// returns.
namespace saldino::runtime {

// How far a long command is: `erledigt` of `gesamt` (records, bytes), told
// now and then so that the window can show it.
using Fortschrittsmeldung = std::function<void(std::int64_t erledigt, std::int64_t gesamt)>;

// An open file, closed by the destructor.
class Datei {
public:
    enum class Zugriff { lesen, schreiben, lesen_und_schreiben };

    // Opens an existing file; `anlegen` creates it when it is missing.
    Datei(const std::string& name, Zugriff zugriff, bool anlegen = false);
    ~Datei();
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;

    std::int64_t groesse() const;

    // Reads up to `anzahl` bytes from `position`; fewer only at the end of the file.
    std::size_t lies(std::int64_t position, void* ziel, std::size_t anzahl) const;

    // Writes all bytes or throws; a write that stops short means a full disk.
    void schreibe(std::int64_t position, const void* daten, std::size_t anzahl);

    void kuerze(std::int64_t laenge);

    // Sets the file's permission bits.
    void setze_modus(unsigned modus) const;

    // Waits until what was written is on the disk, so that a change reported
    // as done survives a power cut.
    void auf_platte();

    // Closes the file and reports an error that only closing reveals.
    void schliessen();

private:
    int deskriptor_ = -1;
};

bool existiert(const std::string& name);

// Makes `verzeichnis` the working directory.
void wechsle_verzeichnis(const std::string& verzeichnis);

// A fresh empty directory of the system's temporary ones, removed with all
// it holds when the object goes.
class Zwischenordner {
public:
    Zwischenordner();
    ~Zwischenordner();
    Zwischenordner(const Zwischenordner&) = delete;
    Zwischenordner& operator=(const Zwischenordner&) = delete;

    const std::string& pfad() const { return pfad_; }

private:
    std::string pfad_;
};

// The largest file read whole: settings, charts, exercise files, the notice.
inline constexpr std::size_t hoechstgroesse_ganz = 16 * 1024 * 1024;

// The whole content of a file; above hoechstgroesse_ganz "Die Datei <name> ist zu groß.".
std::string lies_ganz(const std::string& name);

// The lines of a text, at most `hoechstzahl`; a line ends at CR LF, a lone CR
// or a lone LF, and a line end at the very end does not start another line.
std::vector<std::string> teile_zeilen(std::string_view text,
                                      std::size_t hoechstzahl = static_cast<std::size_t>(-1));

// The absolute path of a name relative to the working directory, as a
// Windows-1252 text for messages.
std::string voller_pfad(const std::string& name);

// Reads a text file line by line in blocks, so a file of any size needs only
// one line in memory. A line ends at LF, a CR before it is dropped; a last
// line without a line end counts, an empty one after the last line end not.
class Zeilenleser {
public:
    // Thrown for a line longer than the reader's limit, which is never kept
    // in memory whole: `zeile` is its number, from 1.
    struct ZeileZuLang {
        std::int32_t zeile;
    };

    explicit Zeilenleser(const std::string& name,
                         std::size_t hoechstlaenge = static_cast<std::size_t>(-1));

    // The next line, valid until the next call; false at the end of the file.
    bool naechste(std::string_view& zeile);

    // The number of the line `naechste` gave last, from 1.
    std::int32_t zeilennummer() const { return zeilen_; }

    // How many bytes of how many were read so far.
    std::int64_t gelesen() const { return position_; }
    std::int64_t groesse() const { return datei_.groesse(); }

private:
    Datei datei_;
    std::size_t hoechstlaenge_;
    std::int64_t position_ = 0;
    std::string puffer_;
    std::size_t anfang_ = 0;
    std::size_t gesucht_ = 0; // up to here the buffer holds no LF after anfang_
    std::int32_t zeilen_ = 0;
    bool ende_ = false;
};

// Copies a file byte for byte; the target is created or truncated.
void kopiere_datei(const std::string& quelle, const std::string& ziel);

// Whether two files hold the same bytes, read block by block.
bool gleicher_inhalt(const std::string& a, const std::string& b);

// The mark of the program's temporary files: "<target>.saldino.tmpXXXXXX".
inline constexpr std::string_view temporaer_kennung = ".saldino.tmp";

// Replaces a whole file safely: the new content goes into a temporary file
// beside the target, which is renamed over the target only when it is
// complete. A failure leaves the target as it was and no temporary file; a
// temporary file a crash left beside the same target is removed first.
class Ersatzdatei {
public:
    // Fails with "Dateizugriff verweigert" when the target exists but may not be
    // written, exactly as writing it in place would.
    explicit Ersatzdatei(std::string ziel);
    ~Ersatzdatei();
    Ersatzdatei(const Ersatzdatei&) = delete;
    Ersatzdatei& operator=(const Ersatzdatei&) = delete;

    void schreibe(std::string_view daten);

    // Renames the finished file over the target; it keeps the target's permissions.
    void fertigstellen();

    // The two halves of fertigstellen, for replacing several files together:
    // first every file is completed on disk, then each is renamed into place.
    void abschliessen();
    void umbenennen();

    // The finished file stays where it is when this object ends: a plan names
    // it, and the next start renames it into place.
    void behalten() { temporaer_.clear(); }

    const std::string& ziel() const { return ziel_; }
    const std::string& temporaer() const { return temporaer_; }

private:
    void puffer_leeren();

    std::string ziel_;
    Ort ort_;
    std::string temporaer_;
    int deskriptor_ = -1;
    unsigned modus_ = 0;
    std::string puffer_;
};

void ersetze_datei(const std::string& name, std::string_view inhalt);

// Renames `von` over `nach` and flushes the folder. The rename seam below
// counts it as it counts the renames of replacement files. A failure of the
// flush after the rename happened throws NichtAufPlatte.
void benenne_um(const std::string& von, const std::string& nach);

// Removes the temporary files "<ziel>.saldino.tmpXXXXXX" a crash left beside `ziel`.
void entferne_reste_von(const std::string& ziel);

namespace intern {
// Writes all bytes to an open descriptor; position < 0 writes at its offset.
void schreibe_alles(int deskriptor, const void* daten, std::size_t anzahl, std::int64_t position);
} // namespace intern

// Test seams. Each counts from now on, 1 = the next; 0 switches it off.
namespace testnaht {
// The n-th write that goes to disk writes only half its bytes and fails
// with the given system error number.
void schreibfehler_bei(int n, int fehlernummer);
// The n-th rename of a finished replacement file fails.
void umbenennungsfehler_bei(int n, int fehlernummer);
// Ends the process at once, as a kill would, at the n-th step that changes
// a file (a write, a flush, a cut, a rename, a link or a removal).
void abbruch_bei(int n);
// The n-th such step fails with the given system error number instead.
void fehler_bei(int n, int fehlernummer);
// Whether the error of fehler_bei is still to come.
bool fehler_ausstehend();
// Counts one such step; throws the error of fehler_bei when it is due.
void schritt();
// Whether the rename seam makes this rename fail, and with what.
bool umbenennung_scheitert(int& fehlernummer);
} // namespace testnaht

} // namespace saldino::runtime
