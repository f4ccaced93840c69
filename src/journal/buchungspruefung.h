#pragma once

#include "journal/buchung.h"

#include <cstdint>
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

} // namespace saldino::journal
