#pragma once

#include "journal/buchung.h"
#include "journal/buchungspruefung.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The booking form's rules, the same for every front end: what the form
// stores, what an account box makes of its text, where the navigation goes.
namespace saldino::journal {

// The form's fields as typed (Windows-1252).
struct Buchungsformular {
    std::string datum;
    std::string person;
    std::string grund;
    std::array<std::string, zeilen_je_buchung> konto;
    Betragsfelder soll;
    Betragsfelder haben;
};

// What "&Buchen" and "Ändern" take over: the record (number `nr`, the date by
// the date rule with `buchungsjahr`, texts cut to their capacity, each amount
// by the amount rule), the amount texts the fields show afterwards, the first
// broken rule and whether the date could not be read (then stored as
// "00.00.0000" only after the question). A conversion error or a missing
// chart file throws.
// An amount field the amount rule cannot read: nothing is booked, the page
// names it ("Der Betrag „…“ in Zeile n ist keine gültige Zahl.") and puts the
// focus there.
struct UnlesbarerBetrag {
    std::size_t zeile = 0; // from 0
    bool soll = true;
    std::string text; // as typed (Windows-1252)
};

struct Uebernahme {
    TBuchung buchung;
    Betragsfelder soll_text; // each field's amount text; an unreadable one as typed
    Betragsfelder haben_text;
    Buchungsfehler fehler = Buchungsfehler::keiner;
    bool datum_unlesbar = false;
    std::optional<UnlesbarerBetrag> unlesbar; // the first, debit before credit of its line
};

Uebernahme uebernimm(const Buchungsformular& formular, std::int32_t nr, std::int32_t buchungsjahr,
                     std::int32_t kontenplan_nr);

// The form showing a stored booking: its texts and each amount as the amount
// rule writes it.
Buchungsformular formular_von(const TBuchung& buchung);

// What an account box makes of its text when it is left (`zeile` from 0):
// boxes 3 to 5 may stay empty; a first letter a to z becomes a capital; a
// name of the chart stays, a number alone becomes the one account it begins
// ("2800" -> "2800 Bank"), anything else is emptied with "Konto nicht
// gefunden!" (without a chart after "Du hast keinen Kontenplan ausgewählt!").
struct Kontoeingabe {
    std::string text;
    bool nicht_gefunden = false;
    bool kein_kontenplan = false;
};

Kontoeingabe kontoeingabe(std::size_t zeile, std::string text, std::int32_t kontenplan_nr);

// The booking the navigation shows next, from `aktuelle` of `anzahl`.
enum class Richtung { erste, vorige, naechste, letzte };

std::int32_t navigiere(Richtung richtung, std::int32_t aktuelle, std::int32_t anzahl);

} // namespace saldino::journal
