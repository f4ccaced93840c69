#pragma once

#include "backup/verlauf.h"

#include <cstdint>
#include <string>
#include <vector>

// The history's own file ".saldino/verlauf/schritte" and the folder of each
// step, shared by the recording of a change and the taking back.
namespace saldino::backup::verlaufsdatei {

// What a file looked like when a step left it: a file changed since, by
// whatever means, differs in size, modification time or identity.
struct Dateistand {
    bool vorhanden = false;
    std::int64_t groesse = 0;
    std::int64_t zeit = 0; // nanoseconds
    std::uint64_t inode = 0;

    bool operator==(const Dateistand&) const = default;
};

Dateistand stand_von(const std::string& name);

struct Schritt {
    std::int64_t nummer = 0;
    Schrittart art = Schrittart::ersetzt;
    bool journal = false;
    bool einstellungen = false;
    bool offen = false;
    std::int64_t laenge = 0; // the journal's length before an append
    std::int32_t satz = 0;   // the record a change rewrote, 1-based
    Dateistand nach_journal; // as the change left them
    Dateistand nach_einstellungen;
    Dateistand vor_journal; // as taking it back left them
    Dateistand vor_einstellungen;
    std::string beschreibung;
};

// The steps oldest first; the first `zeiger` are made, the others taken back.
// `laufend` names a taking back or a making again that was begun and not
// finished ("rueckgaengig" or "wiederholen"), with the step's number.
struct Verlaufsdaten {
    std::string laufend;
    std::int64_t laufend_nummer = 0;
    std::size_t zeiger = 0;
    std::vector<Schritt> schritte;
};

// An unreadable or missing file is an empty history.
Verlaufsdaten lies();
void schreibe(const Verlaufsdaten& daten);

std::string ordner(std::int64_t nummer);
// The names of the files a step replaces.
std::vector<std::string> dateien(const Schritt& schritt);
// Both files as they are now.
void stand_nach(Schritt& schritt);
void stand_vor(Schritt& schritt);
bool ist_wie_nach(const Schritt& schritt);
bool ist_wie_vor(const Schritt& schritt);

// Bytes held by the folders of the steps.
std::int64_t belegt(const Verlaufsdaten& daten);

void entferne_ordner(std::int64_t nummer);
// Links `quelle` as `ziel`; where links are impossible, copies it.
void verknuepfe(const std::string& quelle, const std::string& ziel);

} // namespace saldino::backup::verlaufsdatei
