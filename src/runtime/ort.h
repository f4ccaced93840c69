#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where a file lies, reached safely. The program's hidden folder holds only
// what the program wrote there; a link or a foreign folder in it must never
// lead a write or a removal elsewhere, so a name in it is reached folder by
// folder, each opened as a folder without following a link.
namespace saldino::runtime {

// The program's hidden folder in the working directory, for its own state.
inline constexpr const char* programmordner = ".saldino";

// Whether `name` is the hidden folder or lies in it.
bool im_programmordner(std::string_view name);

// The folder a name lies in, opened, and the name's last part. A name of the
// hidden folder is reached without following any link, and a folder on the
// way that is a link, no folder or another user's refuses with "Der Ordner
// <pfad> ist kein gewöhnlicher Ordner und wird nicht benutzt."; a folder that
// is missing with "Datei nicht gefunden". Any other name is taken as given,
// relative to the working directory.
class Ort {
public:
    explicit Ort(const std::string& name);
    ~Ort();
    Ort(Ort&& anderer) noexcept;
    Ort& operator=(Ort&&) = delete;
    Ort(const Ort&) = delete;
    Ort& operator=(const Ort&) = delete;

    // A descriptor for the *at calls: the folder, or AT_FDCWD.
    int ordner() const { return ordner_; }
    // The name relative to ordner().
    const char* blatt() const { return blatt_.c_str(); }
    // In the hidden folder: the last part, too, is never followed.
    bool geschuetzt() const { return geschuetzt_; }

    // Waits until the folder's entries (a rename, a new or removed name) are
    // on the disk. Where the file system cannot flush a folder, nothing happens.
    void auf_platte() const;

private:
    std::string blatt_;
    int ordner_;
    bool geschuetzt_ = false;
};

// "Der Ordner <pfad> ist kein gewöhnlicher Ordner und wird nicht benutzt."
[[noreturn]] void wirf_kein_gewoehnlicher_ordner(const std::string& name);

// What a name is, without following a link.
struct Dateistand {
    bool vorhanden = false;
    bool regulaer = false;
    bool ordner = false;
    bool eigen = false; // the user's own
    std::int64_t groesse = 0;
    std::int64_t zeit = 0; // modification time in nanoseconds
    unsigned modus = 0;    // permission bits
};
Dateistand stand_von(const std::string& name);

// Gives `name` the new name "<name>.beiseite-JJJJMMTT-hhmmss" beside it, so
// that nothing in it is used or removed; returns the new name. A link is
// renamed itself, never what it points to.
std::string lege_beiseite(const std::string& name);

// A folder of the program (the hidden folder or one in it) that is a link,
// no folder or another user's is laid aside; where that is impossible the
// program refuses it ("kein gewöhnlicher Ordner"). True when it was laid aside.
bool pruefe_ordner(const std::string& name);

// Makes a folder; one that is there already is fine. Whatever stands in
// its place and is no plain folder of the user's is laid aside first (as
// pruefe_ordner does).
void lege_ordner_an(const std::string& name);
// Removes a file; a missing one is fine. Counted as a step of the test seam.
void entferne(const std::string& name);
// Removes a file without counting a step or reporting anything.
void entferne_still(const std::string& name);
// Makes a folder and the folders above it; the error number, 0 when it is a folder now.
int lege_ordnerpfad_an(const std::string& pfad);
// Removes an empty folder; false when it is not empty or cannot go.
bool entferne_leeren_ordner(const std::string& name);
// Gives the file `quelle` the second name `ziel` (replacing a file of that
// name); where links are impossible, copies it.
void verknuepfe(const std::string& quelle, const std::string& ziel);
// The names in a folder, without "." and ".."; none when it cannot be read.
std::vector<std::string> eintraege(const std::string& ordner);
// Sets the permission bits of a file.
void setze_modus(const std::string& name, unsigned modus);
// Whether the file may be written, as opening it for writing would tell.
bool beschreibbar(const std::string& name);

} // namespace saldino::runtime
