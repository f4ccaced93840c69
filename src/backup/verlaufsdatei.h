#pragma once

#include "backup/verlauf.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The history's own file ".saldino/verlauf/schritte" and the folder of each
// step, shared by the recording of a change and the taking back.
namespace saldino::backup::verlaufsdatei {

// What a file looked like when a step left it: a file changed since, by
// whatever means, differs in size, modification time or content. A copy of
// the working directory that keeps the times (cp -a) keeps its history.
struct Dateistand {
    bool vorhanden = false;
    std::int64_t groesse = 0;
    std::int64_t zeit = 0;       // nanoseconds
    std::uint64_t pruefwert = 0; // of the first and the last 64 KiB

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

// The largest step number; counting never goes beyond it.
inline constexpr std::int64_t hoechste_nummer = 999'999'999;

// The steps oldest first; the first `zeiger` are made, the others taken back.
// `laufend` names a move that was begun and not finished, with the step's
// number: "rueckgaengig" or "wiederholen" of a step, "aendern" for a change
// being made (its step is `anstehend`, recorded before the change), or
// "anschluss" for a save of the settings that joins the newest step.
struct Verlaufsdaten {
    std::string laufend;
    std::int64_t laufend_nummer = 0;
    std::size_t zeiger = 0;
    std::vector<Schritt> schritte;
    std::optional<Schritt> anstehend;
};

// An unreadable or missing file is an empty history; an unreadable line ends
// the history before it, the steps above it stay.
Verlaufsdaten lies();
void schreibe(const Verlaufsdaten& daten);

// The number for a new step: one above the highest, or the lowest free one
// when that would pass hoechste_nummer.
std::int64_t naechste_nummer(const Verlaufsdaten& daten);

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

// Makes the folder of a step (and the history's folders) anew.
void lege_ordner_an(std::int64_t nummer);
// Removes a step's folder: only the names a step writes, one by one, then
// the folder when it is empty. What else lies in it stays.
void entferne_ordner(std::int64_t nummer);

} // namespace saldino::backup::verlaufsdatei
