// The commands the browser's pages need, on the same core as the desktop:
// one session object, bound to JavaScript with embind. Texts cross as UTF-8;
// every change is flushed to the browser's storage by the page
// (runtime/browserspeicher.js) before it says done.
#include "web/sitzung.h"
#include "backup/programmdateien.h"
#include "backup/sicherung.h"
#include "backup/verlauf.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "reports/abschluss.h"
#include "reports/berichtsdaten.h"
#include "reports/betriebsergebnis.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"
#include "reports/kontenblatt.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/rtf.h"
#include "runtime/tastatur.h"
#include "runtime/text.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace saldino::web {

namespace {

using emscripten::val;

// What a command gives the page: its own message for a box ("meldung"), the
// runtime's error ("fehler"), both UTF-8 and empty when there is none.
val ergebnis(const std::optional<std::string>& meldung = std::nullopt,
             const std::string& fehler = {}) {
    val antwort = val::object();
    antwort.set("meldung", meldung ? runtime::cp1252_nach_utf8(*meldung) : std::string());
    antwort.set("fehler", runtime::cp1252_nach_utf8(fehler));
    return antwort;
}

// The settings as the window holds them; the chart only from a line 17 that could be read.
reports::Berichtsdaten berichtsdaten() {
    masterdata::Einstellungen werte;
    std::int32_t kontenplan_nr = 0;
    try {
        masterdata::lies_einstellungen(werte);
        kontenplan_nr = werte.kontenplan_index + 1;
    } catch (const runtime::Laufzeitfehler&) {
    }
    return reports::berichtsdaten(werte, kontenplan_nr);
}

} // namespace

val befehl(const std::function<std::optional<std::string>(val&)>& aktion) {
    val antwort = ergebnis();
    try {
        if (const auto meldung = aktion(antwort)) {
            antwort.set("meldung", runtime::cp1252_nach_utf8(*meldung));
        }
    } catch (const runtime::Laufzeitfehler& fehler) {
        antwort.set("fehler", runtime::cp1252_nach_utf8(fehler.meldung()));
    }
    return antwort;
}

std::int32_t kontenplan_nr() {
    return berichtsdaten().kontenplan_nr;
}

// Prepares the working directory from the supplied files (never overwriting
// one that is there), makes it the current one and finishes what a closed
// tab left half done. The notices to show once.
val starten(const std::string& arbeitsverzeichnis, const std::string& vorrat) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        backup::arbeitsverzeichnis_vorbereiten(arbeitsverzeichnis, vorrat, {});
        runtime::wechsle_verzeichnis(arbeitsverzeichnis);
        val hinweise = val::array();
        for (const std::string& hinweis : backup::unterbrochenes_beenden()) {
            hinweise.call<void>("push", runtime::cp1252_nach_utf8(hinweis));
        }
        antwort.set("hinweise", hinweise);
        return std::nullopt;
    });
}

// A report's lines, each followed by "\n": "bilanz", "betriebsergebnis",
// "journal", "abschluss", "kontenblatt" or "t_kontenblatt" (of `konto`).
val bericht(const std::string& art, const std::string& konto) {
    std::string text;
    std::string hinweis;
    const reports::Zeilenziel ziel = [&text](std::string_view zeile) {
        text += runtime::cp1252_nach_utf8(zeile);
        text += '\n';
    };
    val antwort = befehl([&](val&) -> std::optional<std::string> {
        const reports::Berichtsdaten daten = berichtsdaten();
        if (art == "bilanz") {
            return reports::bilanz(daten, ziel, &hinweis);
        }
        if (art == "betriebsergebnis") {
            return reports::betriebsergebnis(daten, ziel);
        }
        if (art == "abschluss") {
            return reports::abschlussbericht(daten, ziel, &hinweis);
        }
        if (art == "journal") {
            reports::journalliste(ziel);
        } else if (art == "kontenblatt") {
            reports::kontenblatt(runtime::utf8_nach_cp1252(konto), ziel, buchungsjahr());
        } else if (art == "t_kontenblatt") {
            reports::t_kontenblatt(runtime::utf8_nach_cp1252(konto), ziel);
        }
        return std::nullopt;
    });
    antwort.set("text", text);
    antwort.set("hinweis", hinweis);
    return antwort;
}

namespace {

// The journal page's listing, counted once when the page is shown.
std::unique_ptr<reports::Journalansicht> journalansicht;

} // namespace

// The journal page: counts the listing's lines (heading included) and its
// widest line; the lines are then made on demand.
val journal_oeffnen() {
    return befehl([](val& antwort) -> std::optional<std::string> {
        journalansicht.reset();
        journalansicht = std::make_unique<reports::Journalansicht>();
        antwort.set("anzahl", static_cast<double>(journalansicht->anzahl()));
        antwort.set("breite", static_cast<double>(journalansicht->breite()));
        // An amount that cannot be written ends the listing; its error is shown.
        journalansicht->melde_fehler();
        return std::nullopt;
    });
}

// Lines `erste` to `erste + menge - 1` of the journal page, each followed by "\n".
std::string journal_zeilen(double erste, double menge) {
    std::string text;
    if (journalansicht) {
        journalansicht->zeilen(static_cast<std::int64_t>(erste), static_cast<std::int64_t>(menge),
                               [&text](std::string_view zeile) {
                                   text += runtime::cp1252_nach_utf8(zeile);
                                   text += '\n';
                               });
    }
    return text;
}

std::optional<std::string> kontennamen(val& antwort) {
    const std::int32_t nr = kontenplan_nr();
    std::vector<std::string> namen;
    if (nr != 0) {
        const masterdata::Kontenplan kontenplan(nr);
        for (const auto& konto : kontenplan.konten()) {
            namen.push_back(konto.bezeichnung);
        }
    }
    antwort.set("konten", utf8_liste(namen));
    if (nr == 0) {
        return runtime::utf8_nach_cp1252(runtime::meldungen::kein_kontenplan);
    }
    return std::nullopt;
}

masterdata::Einstellungen gelesene_einstellungen() {
    masterdata::Einstellungen werte;
    try {
        masterdata::lies_einstellungen(werte);
    } catch (const runtime::Laufzeitfehler&) {
    }
    return werte;
}

std::int32_t buchungsjahr() {
    return masterdata::buchungsjahr(gelesene_einstellungen().jahr);
}

// The accounts of the chart chosen, for the list of the account sheets.
val konten() {
    return befehl(kontennamen);
}

// The file name a download of the backup carries, as the desktop proposes it.
std::string sicherungsname() {
    return runtime::cp1252_nach_utf8(backup::sicherungsname(gelesene_einstellungen().firma[0]));
}

// "Alles Speichern": the backup of company, chart and journal into `pfad`.
val sichern(const std::string& pfad) {
    return befehl([&](val&) -> std::optional<std::string> {
        masterdata::Einstellungen werte;
        masterdata::lies_einstellungen(werte);
        if (backup::schreibe_sicherung(pfad, werte.firma, werte.kontenplan_index + 1)) {
            return runtime::utf8_nach_cp1252(runtime::meldungen::senkrechter_strich);
        }
        return std::nullopt;
    });
}

// "Sicherung laden!": the backup in `pfad`, named `name` as the pupil chose it.
val laden(const std::string& pfad, const std::string& name) {
    return befehl([&](val&) -> std::optional<std::string> {
        masterdata::Einstellungen werte;
        masterdata::lies_einstellungen(werte);
        auto aenderung = backup::Aenderung::ersetzen(
            true, true, runtime::utf8_nach_cp1252("Sicherung „" + name + "“ geladen"));
        const backup::GeladeneSicherung geladen = backup::lade_sicherung(pfad, werte);
        if (geladen.ungueltige_zeile != 0) {
            return runtime::utf8_nach_cp1252(
                runtime::meldungen::keine_sicherung(name, geladen.ungueltige_zeile));
        }
        aenderung.festhalten();
        if (!geladen.nicht_sicher.empty()) {
            return geladen.nicht_sicher;
        }
        return std::nullopt;
    });
}

// The notice of the start page as paragraphs of runs with their format.
val hinweis() {
    return befehl([](val& antwort) -> std::optional<std::string> {
        const runtime::RtfDokument dokument =
            runtime::lies_rtf(runtime::lies_ganz("Wichtiger Hinweis.rtf"));
        val absaetze = val::array();
        for (const runtime::RtfAbsatz& absatz : dokument.absaetze) {
            val laeufe = val::array();
            for (const runtime::RtfLauf& lauf : absatz.laeufe) {
                val teil = val::object();
                teil.set("text", lauf.text);
                teil.set("fett", lauf.format.fett);
                teil.set("kursiv", lauf.format.kursiv);
                teil.set("unterstrichen", lauf.format.unterstrichen);
                teil.set("halbpunkte", lauf.format.halbpunkte);
                laeufe.call<void>("push", teil);
            }
            absaetze.call<void>("push", laeufe);
        }
        antwort.set("absaetze", absaetze);
        return std::nullopt;
    });
}

std::string version() {
    return SALDINO_VERSION;
}

// "Die Anleitung <pdf> kann nicht geöffnet werden: <grund>"
std::string anleitung_fehlt(const std::string& pdf, const std::string& grund) {
    return runtime::meldungen::anleitung_nicht_oeffnbar(pdf, grund);
}

// The keys of the commands: [object name, keys, as shown] each.
val tasten() {
    val liste = val::array();
    for (const runtime::Tastenkuerzel& eintrag : runtime::tastenkuerzel) {
        val zeile = val::array();
        for (const std::string_view teil : {eintrag.knopf, eintrag.tasten, eintrag.anzeige}) {
            zeile.call<void>("push", std::string(teil));
        }
        liste.call<void>("push", zeile);
    }
    return liste;
}

// The page's message when the browser did not store a change.
std::string nicht_gespeichert(const std::string& grund) {
    return runtime::meldungen::nicht_sicher(grund);
}

EMSCRIPTEN_BINDINGS(saldino) {
    emscripten::function("version", &version);
    emscripten::function("nicht_gespeichert", &nicht_gespeichert);
    emscripten::function("tasten", &tasten);
    emscripten::function("anleitung_fehlt", &anleitung_fehlt);
    emscripten::function("starten", &starten);
    emscripten::function("bericht", &bericht);
    emscripten::function("konten", &konten);
    emscripten::function("journal_oeffnen", &journal_oeffnen);
    emscripten::function("journal_zeilen", &journal_zeilen);
    emscripten::function("sicherungsname", &sicherungsname);
    emscripten::function("sichern", &sichern);
    emscripten::function("laden", &laden);
    emscripten::function("hinweis", &hinweis);
}

} // namespace saldino::web
