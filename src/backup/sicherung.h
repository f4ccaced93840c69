#pragma once

#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The backup file (".sdn"): a company line of nine "|"-separated fields (the
// eight company fields and the chart number), a single "|", then one line of
// nineteen fields, each followed by "|", per booking. Windows-1252, CR LF,
// amounts in the general decimal form.
namespace saldino::backup {

using Firma = std::array<std::string, 8>;

// Writes the backup of the company data and the whole journal to `pfad` (a
// path of the file system), through a temporary file beside it, so a failure
// leaves no half-written backup. Returns whether a text holds "|", which
// makes its line ambiguous: such a backup cannot be loaded again.
bool schreibe_sicherung(const std::string& pfad, const Firma& firma, std::int32_t kontenplan_nr);

// The file name "Alles Speichern" proposes: the company name (as the file
// system names files) with each character file systems refuse (\ / : * ? " < > |
// and control characters) as "_", blanks and dots around it left out, and
// ".sdn"; "sicherung.sdn" when nothing is left.
std::string sicherungsname(std::string_view firmenname);

// Thrown by Sicherungsleser for the first line that breaks the format.
struct UngueltigeSicherung {
    std::int32_t zeile;
};

// Reads a backup file line by line and changes nothing. The constructor reads
// the company line and the line after it. A file with a UTF-8 byte-order
// mark, or whose first line beyond ASCII is valid UTF-8 (saved by an editor),
// is read as UTF-8: a line that is not, or a character Windows-1252 cannot
// hold, makes its line invalid. Any other file is Windows-1252.
class Sicherungsleser {
public:
    explicit Sicherungsleser(const std::string& pfad);

    const Firma& firma() const { return firma_; }
    std::int32_t kontenplan_nr() const { return kontenplan_nr_; }

    // The next booking, its texts valid until the next call; false after the last.
    bool naechste(journal::Satzfelder& buchung);

    // How many bytes of the file were read, of how many.
    std::int64_t gelesen() const { return leser_.gelesen(); }
    std::int64_t groesse() const { return leser_.groesse(); }

private:
    bool naechste_zeile(std::string_view& zeile);

    runtime::Zeilenleser leser_;
    enum class Kodierung { offen, cp1252, utf8 };
    Kodierung kodierung_ = Kodierung::offen; // decided by the first line beyond ASCII
    std::string umgewandelt_;                // a UTF-8 line as Windows-1252
    Firma firma_;
    std::int32_t kontenplan_nr_ = 0;
    std::optional<std::string_view> anstehend_; // the first booking, after the "|" of line 2
};

struct GeladeneSicherung {
    // The first line that breaks the format, 0 for a good file. A bad file
    // changes nothing.
    std::int32_t ungueltige_zeile = 0;
    Firma firma;
    std::int32_t kontenplan_nr = 0;
    std::int32_t buchungen = 0;
    // Set when the backup was loaded whole, only not yet safely on disk: the
    // message "Die Sicherung wurde geladen, aber nicht sicher auf den
    // Datenträger geschrieben: <grund>" (Windows-1252) to show afterwards.
    std::string nicht_sicher;
};

// Loads a backup: reads and checks the whole file first, then replaces the journal
// and the settings file together: `einstellungen` with the backup's company
// fields and chart. Both are written completely before either is renamed
// into place together (runtime::ersetze_gemeinsam), so the two never
// disagree: an error before that changes nothing and is thrown, one after it
// leaves both new and is told in `nicht_sicher`.
GeladeneSicherung lade_sicherung(const std::string& pfad,
                                 const masterdata::Einstellungen& einstellungen,
                                 const runtime::Fortschrittsmeldung& fortschritt = {});

} // namespace saldino::backup
