// The opening balances' commands for the browser, on the core's rules.
#include "backup/verlauf.h"
#include "journal/eingaberegeln.h"
#include "journal/eroeffnung.h"
#include "masterdata/kontenplan.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"
#include "web/sitzung.h"

#include <emscripten/bind.h>

namespace saldino::web {

namespace {

using emscripten::val;

std::vector<std::string> zellen_von(const val& liste) {
    std::vector<std::string> zellen;
    const auto anzahl = liste["length"].as<std::size_t>();
    for (std::size_t k = 0; k < anzahl; ++k) {
        zellen.push_back(runtime::utf8_nach_cp1252(liste[k].as<std::string>()));
    }
    return zellen;
}

} // namespace

// What the page shows: every account of the chart with the opening amount
// the journal holds for it ("" for none).
val eroeffnungsseite() {
    return befehl([](val& antwort) -> std::optional<std::string> {
        const std::int32_t nr = kontenplan_nr();
        if (nr == 0) {
            return runtime::utf8_nach_cp1252(runtime::meldungen::kein_kontenplan);
        }
        const masterdata::Kontenplan kontenplan(nr);
        const auto betraege = journal::eroeffnungsbetraege(kontenplan.konten());
        std::vector<std::string> namen;
        std::vector<std::string> texte;
        for (std::size_t k = 0; k < kontenplan.konten().size(); ++k) {
            namen.push_back(kontenplan.konten()[k].bezeichnung);
            texte.push_back(betraege[k] ? journal::betragstext(*betraege[k]) : std::string());
        }
        antwort.set("konten", utf8_liste(namen));
        antwort.set("betraege", utf8_liste(texte));
        return std::nullopt;
    });
}

// The sums by side while the amounts are typed.
val eroeffnungssummen(const val& zellen) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const std::int32_t nr = kontenplan_nr();
        const masterdata::Kontenplan kontenplan(nr);
        const journal::Eroeffnungssummen summen =
            journal::eroeffnungssummen(kontenplan.konten(), zellen_von(zellen));
        antwort.set("aktiva", runtime::cp1252_nach_utf8(summen.aktiva));
        antwort.set("passiva", runtime::cp1252_nach_utf8(summen.passiva));
        antwort.set("ausgeglichen", summen.ausgeglichen);
        val unlesbar = val::array();
        for (const bool zelle : summen.unlesbar) {
            unlesbar.call<void>("push", zelle);
        }
        antwort.set("unlesbar", unlesbar);
        antwort.set("frage", runtime::meldungen::nicht_ausgeglichen(summen.aktiva, summen.passiva));
        return std::nullopt;
    });
}

namespace {

// The check of "OK" on the chart's accounts, `zellen` as typed (UTF-8).
journal::Eroeffnungspruefung pruefung_von(const masterdata::Kontenplan& kontenplan,
                                          const val& zellen, const std::string& datum) {
    std::vector<std::string> getippt = zellen_von(zellen);
    getippt.resize(kontenplan.konten().size());
    return journal::pruefe_eroeffnung(kontenplan.konten(), getippt,
                                      runtime::utf8_nach_cp1252(datum), buchungsjahr());
}

// The refusal of a cell that cannot be read, as the desktop words it.
std::string refusal(const masterdata::Kontenplan& kontenplan, const val& zellen, std::size_t k) {
    const std::vector<std::string> getippt = zellen_von(zellen);
    return runtime::utf8_nach_cp1252(runtime::meldungen::unlesbarer_betrag(
        runtime::cp1252_nach_utf8(k < getippt.size() ? getippt[k] : std::string()),
        runtime::cp1252_nach_utf8(kontenplan.konten()[k].bezeichnung)));
}

} // namespace

// What "OK" finds before it asks: a cell that cannot be read (its refusal as
// the message, nothing is asked then), the question about an unreadable date
// ("datumsfrage") and about an opening that does not balance ("frage"), each
// "" when there is none. Without a chart nothing is checked.
val eroeffnung_pruefen(const val& zellen, const std::string& datum) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        antwort.set("datumsfrage", std::string());
        antwort.set("frage", std::string());
        const std::int32_t nr = kontenplan_nr();
        if (nr == 0) {
            return std::nullopt;
        }
        const masterdata::Kontenplan kontenplan(nr);
        const journal::Eroeffnungspruefung pruefung = pruefung_von(kontenplan, zellen, datum);
        if (pruefung.eingabe.verworfen) {
            return refusal(kontenplan, zellen, *pruefung.eingabe.verworfen);
        }
        if (pruefung.datum_unlesbar) {
            antwort.set("datumsfrage", runtime::meldungen::unlesbares_datum(datum));
        }
        if (!pruefung.summen.ausgeglichen) {
            antwort.set("frage", runtime::meldungen::nicht_ausgeglichen(pruefung.summen.aktiva,
                                                                        pruefung.summen.passiva));
        }
        return std::nullopt;
    });
}

// "OK", after its questions: the journal replaced by the opening records
// (`nur`: "Nur Anfangsbestände ersetzen", only the opening records replaced),
// unless no chart is chosen or a cell cannot be read (nothing changes then).
val eroeffnung_buchen(const val& zellen, const std::string& datum, bool nur) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const std::int32_t nr = kontenplan_nr();
        if (nr == 0) {
            return runtime::utf8_nach_cp1252(runtime::meldungen::kein_kontenplan);
        }
        const masterdata::Kontenplan kontenplan(nr);
        const journal::Eroeffnungspruefung pruefung = pruefung_von(kontenplan, zellen, datum);
        if (pruefung.eingabe.verworfen) {
            return refusal(kontenplan, zellen, *pruefung.eingabe.verworfen);
        }
        antwort.set("zellen", utf8_liste(pruefung.eingabe.zellen));
        auto aenderung = backup::Aenderung::ersetzen(
            true, false,
            runtime::utf8_nach_cp1252(
                nur ? "Anfangsbestände ersetzt"
                    : "Eröffnungsbuchungen gebucht (alle Buchungen ersetzt)"));
        const auto& konten = kontenplan.konten();
        antwort.set("anzahl", nur ? journal::anfangsbestaende_ersetzen(
                                        konten, pruefung.eingabe.betraege, pruefung.datum)
                                  : journal::eroeffnung_buchen(konten, pruefung.eingabe.betraege,
                                                               pruefung.datum));
        aenderung.festhalten();
        return std::nullopt;
    });
}

EMSCRIPTEN_BINDINGS(eroeffnungsseite) {
    emscripten::function("eroeffnungsseite", &eroeffnungsseite);
    emscripten::function("eroeffnungssummen", &eroeffnungssummen);
    emscripten::function("eroeffnung_pruefen", &eroeffnung_pruefen);
    emscripten::function("eroeffnung_buchen", &eroeffnung_buchen);
}

} // namespace saldino::web
