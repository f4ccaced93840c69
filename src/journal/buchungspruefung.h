#pragma once

#include "journal/buchung.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The check a booking passes before "&Buchen" or "Ändern" stores it.
namespace saldino::journal {

enum class Buchungsfehler {
    keiner,
    kein_kontenplan,      // an amount, but no chart selected
    konto_nicht_gefunden, // an amount on a line whose account is not in the chart
    soll_ungleich_haben,  // the debit and credit totals differ to the cent
    null_euro,            // both totals are zero to the cent
};

// Every line with an amount names an account of the selected chart (read
// once), the debit total equals the credit total to the cent, and it is not
// zero; the first rule broken, in that order. A missing chart file throws.
Buchungsfehler pruefe_buchungssatz(const TBuchung& buchung, std::int32_t kontenplan_nr);

// The message the user gets for a broken rule (UTF-8); empty for `keiner`.
std::string_view meldung(Buchungsfehler fehler);

// The totals of the booking form while it is typed, as amount texts: each
// field read by the amount rule, an empty field as 0, a field that cannot be
// read (or whose amount reaches 10^15) as 0 and marked.
struct Formularsummen {
    std::string soll;
    std::string haben;
    std::string differenz; // debit minus credit, to the cent
    bool ausgeglichen = true;
    std::array<bool, zeilen_je_buchung> soll_unlesbar{};
    std::array<bool, zeilen_je_buchung> haben_unlesbar{};
};

using Betragsfelder = std::array<std::string, zeilen_je_buchung>;

Formularsummen formularsummen(const Betragsfelder& soll, const Betragsfelder& haben);

} // namespace saldino::journal
