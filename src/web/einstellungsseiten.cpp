// The company data and the chart choice for the browser: the settings file
// and the history of changes as the desktop keeps them.
#include "backup/verlauf.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "runtime/fehler.h"
#include "runtime/text.h"
#include "web/sitzung.h"

#include <emscripten/bind.h>

namespace saldino::web {

namespace {

using emscripten::val;

} // namespace

// The eight company fields and the chart chosen.
val einstellungen() {
    const masterdata::Einstellungen werte = gelesene_einstellungen();
    val antwort = val::object();
    antwort.set("firma", utf8_liste(werte.firma));
    antwort.set("kontenplan", kontenplan_nr());
    return antwort;
}

// "OK" of the company data.
val firmendaten_sichern(const val& firma) {
    return befehl([&](val&) -> std::optional<std::string> {
        masterdata::Einstellungen werte = gelesene_einstellungen();
        for (std::size_t i = 0; i < werte.firma.size(); ++i) {
            werte.firma[i] = runtime::utf8_nach_cp1252(firma[i].as<std::string>());
        }
        backup::einstellungen_sichern(werte, "Firmendaten gespeichert");
        return std::nullopt;
    });
}

// "Kontenplan" after its two questions: the journal emptied, as one step
// with the chart chosen next.
val kontenplan_wechseln() {
    return befehl([](val&) -> std::optional<std::string> {
        auto aenderung = backup::Aenderung::ersetzen(
            true, true, "Kontenplan gewechselt (Journal geleert)", true);
        journal::journal_leeren();
        aenderung.festhalten();
        return std::nullopt;
    });
}

// Chart 1 to 4 chosen (saved in the settings) or only shown (`waehlen`
// false): its accounts as the grid's rows.
val kontenplan(std::int32_t nummer, bool waehlen) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        if (waehlen) {
            masterdata::Einstellungen werte = gelesene_einstellungen();
            werte.kontenplan_index = nummer - 1;
            backup::einstellungen_sichern(werte, runtime::utf8_nach_cp1252("Kontenplan ") +
                                                     std::to_string(nummer) +
                                                     runtime::utf8_nach_cp1252(" gewählt"));
        }
        const masterdata::Kontenplan plan(nummer);
        val zeilen = val::array();
        for (const masterdata::TKonto& konto : plan.konten()) {
            val zeile = val::array();
            for (const std::string* feld :
                 {&konto.bezeichnung, &konto.bilanz, &konto.guv, &konto.seite, &konto.bn}) {
                zeile.call<void>("push", runtime::cp1252_nach_utf8(*feld));
            }
            zeilen.call<void>("push", zeile);
        }
        antwort.set("zeilen", zeilen);
        return std::nullopt;
    });
}

namespace {

val seitenwerte(const masterdata::Einstellungen& werte) {
    val antwort = val::object();
    antwort.set("mitMwst", werte.mit_mwst);
    antwort.set("mwstSatz", runtime::cp1252_nach_utf8(werte.mwst_satz));
    antwort.set("nullkonten", werte.nullkonten_zeigen);
    antwort.set("jahr", runtime::cp1252_nach_utf8(werte.jahr));
    antwort.set("namen", utf8_liste(werte.kontenplan_namen));
    antwort.set("index", werte.kontenplan_index);
    return antwort;
}

// The settings page's fields (and the company fields) into the values of the file.
masterdata::Einstellungen werte_von(const val& firma, const val& seite) {
    masterdata::Einstellungen werte;
    for (std::size_t i = 0; i < werte.firma.size(); ++i) {
        werte.firma[i] = runtime::utf8_nach_cp1252(firma[i].as<std::string>());
    }
    werte.mit_mwst = seite["mitMwst"].as<bool>();
    werte.mwst_satz = runtime::utf8_nach_cp1252(seite["mwstSatz"].as<std::string>());
    werte.nullkonten_zeigen = seite["nullkonten"].as<bool>();
    werte.jahr = runtime::utf8_nach_cp1252(seite["jahr"].as<std::string>());
    for (std::size_t i = 0; i < werte.kontenplan_namen.size(); ++i) {
        werte.kontenplan_namen[i] = runtime::utf8_nach_cp1252(seite["namen"][i].as<std::string>());
    }
    werte.kontenplan_index = masterdata::begrenze_kontenplan_index(seite["index"].as<int>());
    return werte;
}

} // namespace

// Whether the company name typed opens the settings page.
bool zugang(const std::string& firmenname) {
    return masterdata::ist_zugangswort(runtime::utf8_nach_cp1252(firmenname));
}

// The settings page's values as the file holds them.
val einstellungsseite() {
    return seitenwerte(gelesene_einstellungen());
}

// "Grundeinstellungen wiederherstellen": the page's values restored, not saved.
val grundeinstellungen(const val& firma, const val& seite) {
    masterdata::Einstellungen werte = werte_von(firma, seite);
    masterdata::grundeinstellungen_wiederherstellen(werte);
    return seitenwerte(werte);
}

// "Speichern": the company fields and the settings page as they stand.
val einstellungen_speichern(const val& firma, const val& seite) {
    return befehl([&](val&) -> std::optional<std::string> {
        backup::einstellungen_sichern(werte_von(firma, seite), "Einstellungen gespeichert");
        return std::nullopt;
    });
}

EMSCRIPTEN_BINDINGS(einstellungsseiten) {
    emscripten::function("zugang", &zugang);
    emscripten::function("einstellungsseite", &einstellungsseite);
    emscripten::function("grundeinstellungen", &grundeinstellungen);
    emscripten::function("einstellungen_speichern", &einstellungen_speichern);
    emscripten::function("einstellungen", &einstellungen);
    emscripten::function("firmendaten_sichern", &firmendaten_sichern);
    emscripten::function("kontenplan_wechseln", &kontenplan_wechseln);
    emscripten::function("kontenplan", &kontenplan);
}

} // namespace saldino::web
