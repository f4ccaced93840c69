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

// The settings as the file holds them; what could be read of a damaged one.
masterdata::Einstellungen gelesene_einstellungen() {
    masterdata::Einstellungen werte;
    try {
        masterdata::lies_einstellungen(werte);
    } catch (const runtime::Laufzeitfehler&) {
    }
    return werte;
}

} // namespace

// The eight company fields and the chart chosen.
val einstellungen() {
    const masterdata::Einstellungen werte = gelesene_einstellungen();
    val antwort = val::object();
    val firma = val::array();
    for (const std::string& feld : werte.firma) {
        firma.call<void>("push", runtime::cp1252_nach_utf8(feld));
    }
    antwort.set("firma", firma);
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

EMSCRIPTEN_BINDINGS(einstellungsseiten) {
    emscripten::function("einstellungen", &einstellungen);
    emscripten::function("firmendaten_sichern", &firmendaten_sichern);
    emscripten::function("kontenplan_wechseln", &kontenplan_wechseln);
    emscripten::function("kontenplan", &kontenplan);
}

} // namespace saldino::web
