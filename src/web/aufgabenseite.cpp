// The exercise page for the browser: the exercises with their titles, the
// checklist and its ticks kept in ".saldino/aufgabe", "Prüfen" against the
// solution, the teacher's two commands, and "Rückgängig"/"Wiederholen" on
// the history the desktop keeps.
#include "backup/aufgabenbefehle.h"
#include "backup/aufgabenstand.h"
#include "backup/sicherung.h"
#include "backup/verlauf.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/ort.h"
#include "runtime/text.h"
#include "web/sitzung.h"

#include <emscripten/bind.h>

#include <string>
#include <vector>

namespace saldino::web {

namespace {

using emscripten::val;

// The supplied files, solutions included, as the module packs them.
constexpr const char* programmdaten = "/vorrat";

// As on the desktop, the company-name field as it stands (saved or not) opens the teacher's
// commands.
bool lehrkraft(const std::string& firmenname) {
    return masterdata::ist_zugangswort(runtime::utf8_nach_cp1252(firmenname));
}

} // namespace

// The exercises offered, their titles ("Label36" for one that cannot be
// read, as the desktop leaves the label), and the exercise and ticks kept.
val aufgaben() {
    return befehl([](val& antwort) -> std::optional<std::string> {
        backup::aufgabenordner_setzen(backup::lies_aufgabenordner());
        std::vector<std::string> titel;
        val nummern = val::array();
        for (const int n : backup::aufgabennummern()) {
            nummern.call<void>("push", n);
            try {
                titel.push_back(backup::lies_aufgabentitel(n));
            } catch (const runtime::Laufzeitfehler&) {
                titel.emplace_back("Label36");
            }
        }
        antwort.set("nummern", nummern);
        antwort.set("titel", utf8_liste(titel));
        const backup::Aufgabenstand stand = backup::lies_aufgabenstand();
        antwort.set("aufgabe", stand.aufgabe);
        val erledigt = val::array();
        for (const bool haken : stand.erledigt) {
            erledigt.call<void>("push", haken);
        }
        antwort.set("erledigt", erledigt);
        return std::nullopt;
    });
}

// Exercise n opened: its checklist, nothing ticked, kept unless only restored.
val aufgabe_oeffnen(std::int32_t n, bool sichern) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        antwort.set("liste", val::array());
        const std::vector<std::string> liste = backup::lies_aufgabenliste(n);
        antwort.set("liste", utf8_liste(liste));
        if (sichern) {
            backup::schreibe_aufgabenstand({n, std::vector<bool>(liste.size(), false)});
        }
        return std::nullopt;
    });
}

// A tick set or taken away: the exercise and all its ticks kept.
val haken_sichern(std::int32_t n, const val& erledigt) {
    return befehl([&](val&) -> std::optional<std::string> {
        backup::Aufgabenstand stand{n, {}};
        const auto laenge = erledigt["length"].as<std::size_t>();
        for (std::size_t i = 0; i < laenge; ++i) {
            stand.erledigt.push_back(erledigt[i].as<bool>());
        }
        backup::schreibe_aufgabenstand(stand);
        return std::nullopt;
    });
}

// "Prüfen" of exercise n, titled `titel`: the page "Prüfergebnis" as lines.
val pruefen(std::int32_t n, const std::string& titel) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const backup::Pruefseite seite =
            backup::pruefseite(n, runtime::utf8_nach_cp1252(titel), programmdaten, kontenplan_nr(),
                               gelesene_einstellungen());
        antwort.set("meldung", seite.meldung);
        if (seite.meldung.empty()) {
            antwort.set("zeilen", utf8_liste(seite.zeilen));
        }
        return std::nullopt;
    });
}

// What "Aufgabe bearbeiten" starts with: exercise n (or the first free
// number) as its files hold it; refused without the access word as `firmenname`.
val aufgabe_lesen(std::int32_t n, const std::string& firmenname) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        if (!lehrkraft(firmenname)) {
            return runtime::utf8_nach_cp1252(runtime::meldungen::keine_berechtigung);
        }
        const backup::Aufgabenvorgabe vorgabe = backup::aufgabenvorgabe(n);
        antwort.set("nummer", vorgabe.nummer);
        antwort.set("titel", vorgabe.aufgabe.titel);
        val punkte = val::array();
        for (const std::string& punkt : vorgabe.aufgabe.punkte) {
            punkte.call<void>("push", punkt);
        }
        antwort.set("punkte", punkte);
        return std::nullopt;
    });
}

// The dialog's exercise saved as number n (UTF-8: its title trimmed by the
// page, its checklist one item per line). "frage" when another exercise of
// that number would be replaced and `ersetzen` is not given; "nochmal" when
// the dialog must come back.
val aufgabe_speichern(std::int32_t n, const std::string& titel, const std::string& punkte,
                      bool ersetzen, std::int32_t offen) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const backup::Aufgabentext aufgabe{titel, backup::aufgabenpunkte(punkte)};
        if (const auto fehler = backup::aufgabe_pruefen(aufgabe)) {
            antwort.set("nochmal", true);
            antwort.set("meldung", *fehler); // UTF-8: it may name a character Windows-1252 lacks
            return std::nullopt;
        }
        if (!ersetzen && backup::ersetzt_andere_aufgabe(n, offen)) {
            antwort.set("frage", runtime::meldungen::datei_ersetzen(backup::titeldatei(n)));
            return std::nullopt;
        }
        backup::schreibe_aufgabe(n, aufgabe);
        return std::nullopt;
    });
}

// "Als Lösung speichern" of exercise n: the question with the key figures;
// with `speichern` (after Ja), the journal written as the solution.
val loesung_speichern(std::int32_t n, bool speichern, const std::string& firmenname) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        if (!lehrkraft(firmenname)) {
            return runtime::utf8_nach_cp1252(runtime::meldungen::keine_berechtigung);
        }
        if (speichern) {
            if (backup::schreibe_sicherung(backup::loesungsziel(n), gelesene_einstellungen().firma,
                                           kontenplan_nr())) {
                return runtime::utf8_nach_cp1252(runtime::meldungen::senkrechter_strich);
            }
            return std::nullopt;
        }
        const backup::Loesungsvorhaben vorhaben = backup::loesungsvorhaben(n, kontenplan_nr());
        antwort.set("meldung", vorhaben.meldung);
        antwort.set("frage", vorhaben.frage);
        return std::nullopt;
    });
}

// "Rückgängig": the question for the newest step ("" when there is none,
// with the message that says so).
val rueckgaengig_frage() {
    return befehl([](val& antwort) -> std::optional<std::string> {
        const auto beschreibung = backup::rueckgaengig_beschreibung();
        antwort.set("frage", beschreibung ? runtime::meldungen::rueckgaengig_frage(
                                                runtime::cp1252_nach_utf8(*beschreibung))
                                          : std::string());
        if (!beschreibung) {
            return runtime::utf8_nach_cp1252(runtime::meldungen::nichts_rueckgaengig);
        }
        return std::nullopt;
    });
}

// The step taken back (`zurueck`) or made again: the booking it concerned
// ("buchung", 0 for none); "nichts" when there was nothing to do.
val verlaufsschritt(bool zurueck) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const auto schritt = zurueck ? backup::rueckgaengig() : backup::wiederholen();
        antwort.set("buchung", schritt ? schritt->buchung : 0);
        antwort.set("nichts", !schritt);
        if (!schritt && !zurueck) {
            return runtime::utf8_nach_cp1252(runtime::meldungen::nichts_zu_wiederholen);
        }
        return std::nullopt;
    });
}

// "Aufgabenordner:" as kept in the working directory.
std::string aufgabenordner() {
    return runtime::cp1252_nach_utf8(backup::lies_aufgabenordner());
}

// "Speichern" of the settings page: the exercise folder kept and read from
// (`neu` when it changed, so that the page reads the exercises again).
val aufgabenordner_speichern(const std::string& ordner) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const std::string wert = runtime::utf8_nach_cp1252(ordner);
        antwort.set("neu", wert != backup::aufgabenordner());
        if (wert != backup::aufgabenordner()) {
            backup::schreibe_aufgabenordner(wert);
            backup::aufgabenordner_setzen(wert);
        }
        return std::nullopt;
    });
}

// "Ordner wählen…": the exercise files of the folder the browser was given
// (copied to `quelle` by the page) into the working directory's folder
// `ziel`; `quelle` is emptied. "anzahl": the files taken over.
val aufgaben_uebernehmen(const std::string& quelle, const std::string& ziel) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        antwort.set("anzahl", backup::aufgaben_uebernehmen(quelle, ziel));
        for (const std::string unter : {"/loesungen", ""}) {
            for (const std::string& name : runtime::eintraege(quelle + unter)) {
                runtime::entferne_still(quelle + unter + "/" + name);
            }
            runtime::entferne_leeren_ordner(quelle + unter);
        }
        return std::nullopt;
    });
}

EMSCRIPTEN_BINDINGS(saldino_aufgaben) {
    emscripten::function("aufgabenordner", &aufgabenordner);
    emscripten::function("aufgabenordner_speichern", &aufgabenordner_speichern);
    emscripten::function("aufgaben_uebernehmen", &aufgaben_uebernehmen);
    emscripten::function("aufgaben", &aufgaben);
    emscripten::function("aufgabe_oeffnen", &aufgabe_oeffnen);
    emscripten::function("haken_sichern", &haken_sichern);
    emscripten::function("pruefen", &pruefen);
    emscripten::function("aufgabe_lesen", &aufgabe_lesen);
    emscripten::function("aufgabe_speichern", &aufgabe_speichern);
    emscripten::function("loesung_speichern", &loesung_speichern);
    emscripten::function("rueckgaengig_frage", &rueckgaengig_frage);
    emscripten::function("verlaufsschritt", &verlaufsschritt);
}

} // namespace saldino::web
