// The booking page's commands for the browser: the same rules as the
// desktop's page (journal/buchungsformular), the same history of changes.
#include "backup/verlauf.h"
#include "journal/buchung.h"
#include "journal/buchungsformular.h"
#include "journal/buchungspruefung.h"
#include "journal/eingaberegeln.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"
#include "web/sitzung.h"

#include <emscripten/bind.h>

namespace saldino::web {

namespace {

using emscripten::val;

journal::Betragsfelder felder(const val& liste) {
    journal::Betragsfelder ergebnis;
    for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
        ergebnis[i] = runtime::utf8_nach_cp1252(liste[i].as<std::string>());
    }
    return ergebnis;
}

journal::Buchungsformular formular(const val& f) {
    journal::Buchungsformular ergebnis;
    ergebnis.datum = runtime::utf8_nach_cp1252(f["datum"].as<std::string>());
    ergebnis.person = runtime::utf8_nach_cp1252(f["person"].as<std::string>());
    ergebnis.grund = runtime::utf8_nach_cp1252(f["grund"].as<std::string>());
    ergebnis.konto = felder(f["konto"]);
    ergebnis.soll = felder(f["soll"]);
    ergebnis.haben = felder(f["haben"]);
    return ergebnis;
}

} // namespace

// What the page shows when it becomes visible: the journal's count and the chart's accounts.
val buchungsseite() {
    return befehl([](val& antwort) -> std::optional<std::string> {
        antwort.set("anzahl", journal::zaehle_buchungen());
        return kontennamen(antwort);
    });
}

// Booking k (from 1) as the form shows it.
val buchung(std::int32_t k) {
    return befehl([k](val& antwort) -> std::optional<std::string> {
        const journal::TBuchung gelesen = journal::lies_buchung(k);
        const journal::Buchungsformular f = journal::formular_von(gelesen);
        antwort.set("nr", gelesen.Nr + 1);
        antwort.set("datum", runtime::cp1252_nach_utf8(f.datum));
        antwort.set("person", runtime::cp1252_nach_utf8(f.person));
        antwort.set("grund", runtime::cp1252_nach_utf8(f.grund));
        antwort.set("konto", utf8_liste(f.konto));
        antwort.set("soll", utf8_liste(f.soll));
        antwort.set("haben", utf8_liste(f.haben));
        return std::nullopt;
    });
}

// "&Buchen" (k = 0) or "Ändern" of booking k: the form taken over; the
// amounts the fields show afterwards; "frage" when the date cannot be read
// and the pupil has not said yes yet (`trotzdem`).
val uebernehmen(const val& f, std::int32_t k, bool trotzdem) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const std::int32_t anzahl = journal::zaehle_buchungen();
        const journal::Buchungsformular eingabe = formular(f);
        journal::Uebernahme neu =
            journal::uebernimm(eingabe, anzahl, buchungsjahr(), kontenplan_nr());
        antwort.set("soll", utf8_liste(neu.soll_text));
        antwort.set("haben", utf8_liste(neu.haben_text));
        if (neu.unlesbar) {
            const std::size_t zeile = neu.unlesbar->zeile;
            antwort.set("feld",
                        "Edit" + std::to_string(17 + 2 * zeile + (neu.unlesbar->soll ? 0 : 1)));
            return runtime::utf8_nach_cp1252(runtime::meldungen::unlesbarer_betrag_in_zeile(
                runtime::cp1252_nach_utf8(neu.unlesbar->text), zeile + 1));
        }
        if (neu.fehler != journal::Buchungsfehler::keiner) {
            return runtime::utf8_nach_cp1252(std::string(journal::meldung(neu.fehler)));
        }
        if (neu.datum_unlesbar && !trotzdem) {
            antwort.set("frage", runtime::meldungen::unlesbares_datum(
                                     runtime::cp1252_nach_utf8(eingabe.datum)));
            return std::nullopt;
        }
        if (k > 0) {
            neu.buchung.Nr = k - 1;
            auto aenderung = backup::Aenderung::aendern(
                k, "Buchung " + std::to_string(k) + runtime::utf8_nach_cp1252(" geändert"));
            journal::buchung_ueberschreiben(k, neu.buchung);
            aenderung.festhalten();
            antwort.set("anzahl", anzahl);
        } else {
            auto aenderung =
                backup::Aenderung::anhaengen("Buchung " + std::to_string(anzahl + 1) + " gebucht");
            antwort.set("anzahl", journal::buchung_anhaengen(neu.buchung));
            aenderung.festhalten();
        }
        antwort.set("gespeichert", true);
        return std::nullopt;
    });
}

// "Löschen" of booking k; the journal's new count.
val loeschen(std::int32_t k) {
    return befehl([k](val& antwort) -> std::optional<std::string> {
        auto aenderung = backup::Aenderung::ersetzen(
            true, false, "Buchung " + std::to_string(k) + runtime::utf8_nach_cp1252(" gelöscht"));
        journal::loesche_buchung(k);
        aenderung.festhalten();
        antwort.set("anzahl", journal::zaehle_buchungen());
        return std::nullopt;
    });
}

// Leaving account box `zeile` (from 0).
val kontoeingabe(std::size_t zeile, const std::string& text) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        const journal::Kontoeingabe eingabe =
            journal::kontoeingabe(zeile, runtime::utf8_nach_cp1252(text), kontenplan_nr());
        antwort.set("text", runtime::cp1252_nach_utf8(eingabe.text));
        antwort.set("kein_kontenplan", eingabe.kein_kontenplan);
        antwort.set("nicht_gefunden", eingabe.nicht_gefunden);
        return std::nullopt;
    });
}

// Leaving an amount field: the amount rule's text; one it cannot read stays
// as typed (marked red; "&Buchen" names it).
val betrag(const std::string& text) {
    return befehl([&](val& antwort) -> std::optional<std::string> {
        try {
            antwort.set("text", runtime::cp1252_nach_utf8(
                                    journal::checkmoney(runtime::utf8_nach_cp1252(text))));
        } catch (const runtime::Laufzeitfehler&) {
            antwort.set("text", text);
        }
        return std::nullopt;
    });
}

// The running totals while the form is typed.
val summen(const val& soll, const val& haben) {
    const journal::Formularsummen s = journal::formularsummen(felder(soll), felder(haben));
    val antwort = val::object();
    antwort.set("soll", runtime::cp1252_nach_utf8(s.soll));
    antwort.set("haben", runtime::cp1252_nach_utf8(s.haben));
    antwort.set("differenz", runtime::cp1252_nach_utf8(s.differenz));
    antwort.set("ausgeglichen", s.ausgeglichen);
    val soll_unlesbar = val::array();
    val haben_unlesbar = val::array();
    for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
        soll_unlesbar.call<void>("push", s.soll_unlesbar[i]);
        haben_unlesbar.call<void>("push", s.haben_unlesbar[i]);
    }
    antwort.set("sollUnlesbar", soll_unlesbar);
    antwort.set("habenUnlesbar", haben_unlesbar);
    return antwort;
}

// The hint under the form for the account of a box; empty for no account of the chart.
std::string kontohinweis(const std::string& name) {
    try {
        const std::int32_t nr = kontenplan_nr();
        if (nr == 0) {
            return {};
        }
        const masterdata::Kontenplan kontenplan(nr);
        const masterdata::TKonto* konto = kontenplan.konto(runtime::utf8_nach_cp1252(name));
        return konto == nullptr ? std::string()
                                : runtime::cp1252_nach_utf8(masterdata::kontohinweis(*konto));
    } catch (const runtime::Laufzeitfehler&) {
        return {};
    }
}

// Where the navigation goes: 0 first, 1 previous, 2 next, 3 last.
std::int32_t navigiere(int richtung, std::int32_t aktuelle, std::int32_t anzahl) {
    return journal::navigiere(static_cast<journal::Richtung>(richtung), aktuelle, anzahl);
}

EMSCRIPTEN_BINDINGS(buchungsseite) {
    emscripten::function("buchungsseite", &buchungsseite);
    emscripten::function("buchung", &buchung);
    emscripten::function("uebernehmen", &uebernehmen);
    emscripten::function("loeschen", &loeschen);
    emscripten::function("kontoeingabe", &kontoeingabe);
    emscripten::function("betrag", &betrag);
    emscripten::function("summen", &summen);
    emscripten::function("kontohinweis", &kontohinweis);
    emscripten::function("navigiere", &navigiere);
}

} // namespace saldino::web
