// Taking a step back and making it again. Every step is a few moves that
// can each be repeated without harm (cut the journal to a length, write a
// record at its place, rename a kept file into place), so the history's file
// first names the move begun, and a start after a crash finishes it.
#include "backup/verlauf.h"

#include "backup/verlaufsdatei.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/ersetzung.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <algorithm>

namespace saldino::backup {

namespace {

using namespace verlaufsdatei;

enum class Richtung { zurueck, vor };

using runtime::existiert;

// A history that cannot fit the files: a step's own file is missing or
// damaged, or the journal is too short for the step.
class PasstNicht : public runtime::Laufzeitfehler {
public:
    using Laufzeitfehler::Laufzeitfehler;
};

std::string im_schritt(const Schritt& schritt, const char* wann, const std::string& name) {
    return ordner(schritt.nummer) + '/' + wann + '.' + name;
}

void schreibe_satz(std::int64_t position, const std::string& satz, std::int64_t kuerzen_auf) {
    runtime::Datei journal(journal::journaldatei, runtime::Datei::Zugriff::lesen_und_schreiben);
    journal.schreibe(position, satz.data(), satz.size());
    if (kuerzen_auf >= 0) {
        journal.kuerze(kuerzen_auf);
    }
    journal.auf_platte();
    journal.schliessen();
}

// A record of the step's own: exactly one record long.
std::string lies_satzdatei(const std::string& name) {
    std::string satz;
    try {
        satz = runtime::lies_ganz(name);
    } catch (const runtime::Laufzeitfehler&) {
    }
    if (satz.size() != journal::satzlaenge) {
        throw PasstNicht(runtime::utf8_nach_cp1252(
            "Der Verlauf der Änderungen ist beschädigt; die Änderung wurde nicht ausgeführt."));
    }
    return satz;
}

// Whether the journal is as the step can have left it: a history file that
// does not fit the journal (damaged, or another directory's) moves nothing.
void pruefe_journal(const Schritt& schritt) {
    const auto groesse = stand_von(journal::journaldatei).groesse;
    const auto satz = static_cast<std::int64_t>(journal::satzlaenge);
    const bool passt =
        schritt.art == Schrittart::angehaengt
            ? schritt.laenge % satz == 0 && groesse >= schritt.laenge &&
                  groesse <= schritt.laenge + satz // a write may have stopped half-way
            : schritt.satz >= 1 && groesse >= schritt.satz * satz;
    if (!passt) {
        throw PasstNicht(runtime::utf8_nach_cp1252(
            "Der Verlauf der Änderungen passt nicht zum Journal; die Änderung wurde nicht "
            "ausgeführt."));
    }
}

// The moves of one step in one direction; each can be repeated.
void bewege(const Schritt& schritt, Richtung richtung) {
    const std::string satzordner = ordner(schritt.nummer);
    if (schritt.art != Schrittart::ersetzt) {
        pruefe_journal(schritt);
    }
    switch (schritt.art) {
    case Schrittart::angehaengt:
        if (richtung == Richtung::zurueck) {
            runtime::Datei journal(journal::journaldatei,
                                   runtime::Datei::Zugriff::lesen_und_schreiben);
            journal.kuerze(schritt.laenge);
            journal.auf_platte();
            journal.schliessen();
        } else {
            schreibe_satz(schritt.laenge, lies_satzdatei(satzordner + "/satz.neu"),
                          schritt.laenge + static_cast<std::int64_t>(journal::satzlaenge));
        }
        return;
    case Schrittart::geaendert:
        schreibe_satz(static_cast<std::int64_t>(schritt.satz - 1) * journal::satzlaenge,
                      lies_satzdatei(satzordner +
                                     (richtung == Richtung::zurueck ? "/satz.alt" : "/satz.neu")),
                      -1);
        return;
    case Schrittart::ersetzt:
        break;
    }
    // The file in place is kept under `weg`, the one kept under `her` comes into place.
    const char* weg = richtung == Richtung::zurueck ? "nach" : "vor";
    const char* her = richtung == Richtung::zurueck ? "vor" : "nach";
    for (const std::string& name : dateien(schritt)) {
        if (existiert(im_schritt(schritt, her, name)) &&
            !existiert(im_schritt(schritt, weg, name))) {
            runtime::verknuepfe(name, im_schritt(schritt, weg, name));
        }
    }
    for (const std::string& name : dateien(schritt)) {
        if (existiert(im_schritt(schritt, her, name))) {
            // The file in place keeps its permissions.
            const runtime::Dateistand alt = runtime::stand_von(name);
            runtime::benenne_um(im_schritt(schritt, her, name), name);
            if (alt.vorhanden) {
                runtime::setze_modus(name, alt.modus);
            }
        }
    }
}

// A write-protected file is not replaced by taking back or making again, as
// loading a backup does not replace it.
void pruefe_beschreibbar(const Schritt& schritt) {
    for (const std::string& name : dateien(schritt)) {
        if (existiert(name) && !runtime::beschreibbar(name)) {
            runtime::wirf_dateifehler(EACCES);
        }
    }
}

// Removes what a step no longer needs: a made step keeps the files from
// before it, a step taken back the files from after it.
void aufraeumen(const Schritt& schritt, bool gemacht) {
    if (schritt.art != Schrittart::ersetzt) {
        return;
    }
    for (const std::string& name : dateien(schritt)) {
        try {
            runtime::entferne(im_schritt(schritt, gemacht ? "nach" : "vor", name));
        } catch (const runtime::Laufzeitfehler&) {
            // What is left is removed by the next start.
        }
    }
}

// After a step moved: where the history stands, and how the files now look
// for the step moved and for its neighbour that the files now match (taking
// a step back leaves the files as the step before left them).
void bewegt(Verlaufsdaten& daten, std::size_t index, Richtung richtung) {
    if (richtung == Richtung::zurueck) {
        stand_vor(daten.schritte[index]);
        daten.schritte[index].offen = false;
        if (index > 0) {
            stand_nach(daten.schritte[index - 1]);
        }
        daten.zeiger = index;
    } else {
        stand_nach(daten.schritte[index]);
        if (index + 1 < daten.schritte.size()) {
            stand_vor(daten.schritte[index + 1]);
        }
        daten.zeiger = index + 1;
    }
}

Richtung gegenteil(Richtung richtung) {
    return richtung == Richtung::zurueck ? Richtung::vor : Richtung::zurueck;
}

// Moves the step and records it; a failure moves it back, so that the files
// are as before.
Verlaufsschritt fuehre_aus(Verlaufsdaten daten, std::size_t index, Richtung richtung) {
    Schritt& schritt = daten.schritte[index];
    pruefe_beschreibbar(schritt);
    const Verlaufsdaten vorher = daten;
    daten.laufend = richtung == Richtung::zurueck ? "rueckgaengig" : "wiederholen";
    daten.laufend_nummer = schritt.nummer;
    schreibe(daten);
    try {
        bewege(schritt, richtung);
        bewegt(daten, index, richtung);
        daten.laufend.clear();
        schreibe(daten);
    } catch (...) {
        try {
            bewege(schritt, gegenteil(richtung));
            aufraeumen(schritt, richtung == Richtung::zurueck);
            Verlaufsdaten zurueck = vorher;
            bewegt(zurueck, index, gegenteil(richtung));
            schreibe(zurueck);
        } catch (...) {
            // The begun move stays named: the next start finishes it.
        }
        throw;
    }
    aufraeumen(schritt, richtung == Richtung::vor);
    return {schritt.beschreibung, schritt.satz};
}

} // namespace

std::optional<Verlaufsschritt> rueckgaengig() {
    verlauf_wiederherstellen();
    Verlaufsdaten daten = lies();
    if (daten.zeiger == 0) {
        return std::nullopt;
    }
    if (!ist_wie_nach(daten.schritte[daten.zeiger - 1])) {
        throw runtime::Laufzeitfehler(runtime::utf8_nach_cp1252(
            "Die Buchungen oder Einstellungen wurden seit der letzten Änderung außerhalb von "
            "Saldino verändert. Die Änderung kann nicht rückgängig gemacht werden."));
    }
    const std::size_t index = daten.zeiger - 1;
    return fuehre_aus(std::move(daten), index, Richtung::zurueck);
}

std::optional<Verlaufsschritt> wiederholen() {
    verlauf_wiederherstellen();
    Verlaufsdaten daten = lies();
    if (daten.zeiger >= daten.schritte.size()) {
        return std::nullopt;
    }
    if (!ist_wie_vor(daten.schritte[daten.zeiger])) {
        throw runtime::Laufzeitfehler(runtime::utf8_nach_cp1252(
            "Die Buchungen oder Einstellungen wurden seit dem Rückgängigmachen außerhalb von "
            "Saldino verändert. Die Änderung kann nicht wiederholt werden."));
    }
    const std::size_t index = daten.zeiger;
    return fuehre_aus(std::move(daten), index, Richtung::vor);
}

namespace {

// Finishes a taking back or a making again that was begun.
void bewegung_beenden(Verlaufsdaten& daten) {
    for (std::size_t i = 0; i < daten.schritte.size(); ++i) {
        Schritt& schritt = daten.schritte[i];
        if (schritt.nummer == daten.laufend_nummer) {
            const Richtung richtung =
                daten.laufend == "rueckgaengig" ? Richtung::zurueck : Richtung::vor;
            bewege(schritt, richtung);
            bewegt(daten, i, richtung);
        }
    }
    daten.laufend.clear();
    schreibe(daten);
}

bool ist_nummer(const std::string& name) {
    return !name.empty() && name.size() <= 9 && name.front() != '0' &&
           std::all_of(name.begin(), name.end(), [](char z) { return runtime::ist_ziffer(z); });
}

// Removes what no step holds: the folders of steps dropped or never
// recorded, and a half-written history file a crash left. A numbered name
// that is no folder of the program's is laid aside; nothing else is touched.
void reste_entfernen(const Verlaufsdaten& daten) {
    for (const std::string& name : runtime::eintraege(verlaufsordner)) {
        const std::string pfad = std::string(verlaufsordner) + '/' + name;
        if (!ist_nummer(name)) {
            continue;
        }
        if (runtime::pruefe_ordner(pfad)) {
            continue;
        }
        const bool gehalten =
            std::any_of(daten.schritte.begin(), daten.schritte.end(),
                        [&name](const Schritt& s) { return std::to_string(s.nummer) == name; });
        if (!gehalten) {
            entferne_ordner(std::stoll(name));
        }
    }
    runtime::entferne_reste_von(std::string(verlaufsordner) + "/schritte");
}

} // namespace

std::vector<std::string> verlauf_wiederherstellen() {
    std::vector<std::string> hinweise;
    runtime::pruefe_ordner(runtime::programmordner);
    runtime::pruefe_ordner(verlaufsordner);
    const std::string schrittdatei = std::string(verlaufsordner) + "/schritte";
    const runtime::Dateistand datei = runtime::stand_von(schrittdatei);
    if (datei.vorhanden && !datei.regulaer) {
        runtime::lege_beiseite(schrittdatei);
    }
    Verlaufsdaten daten = lies();
    try {
        if (daten.laufend == "rueckgaengig" || daten.laufend == "wiederholen") {
            bewegung_beenden(daten);
        } else {
            aenderung_beenden(daten);
        }
    } catch (const PasstNicht&) {
        // Nothing can move it any more: the history starts anew.
        runtime::lege_beiseite(verlaufsordner);
        hinweise.push_back(runtime::utf8_nach_cp1252(runtime::meldungen::verlauf_beiseite));
        return hinweise;
    }
    reste_entfernen(daten);
    for (std::size_t i = 0; i < daten.schritte.size(); ++i) {
        aufraeumen(daten.schritte[i], i < daten.zeiger);
    }
    return hinweise;
}

std::vector<std::string> unterbrochenes_beenden() {
    std::vector<std::string> hinweise =
        runtime::stelle_wieder_her({journal::journaldatei, masterdata::einstellungsdatei});
    for (std::string& hinweis : verlauf_wiederherstellen()) {
        hinweise.push_back(std::move(hinweis));
    }
    return hinweise;
}

} // namespace saldino::backup
