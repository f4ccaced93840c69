#pragma once

#include "masterdata/einstellungen.h"
#include "reports/spalten.h"

#include <cstdint>
#include <optional>
#include <string>

// "Bilanz und GuV": the balance sheet (Aktiva, Passiva) and below it the
// profit-and-loss account (Soll, Haben), from the selected chart and the
// whole journal.
namespace saldino::reports {

struct Berichtsdaten {
    std::int32_t kontenplan_nr = 0;
    Firmendaten firma;
    bool nullkonten_zeigen = false; // "Konten mit dem Wert 0,00 in der Bilanz darstellen!"
};

// What the reports read of the settings: the company fields of the heading
// and signature blocks and the zero-account switch.
Berichtsdaten berichtsdaten(const masterdata::Einstellungen& werte, std::int32_t kontenplan_nr);

// Hands the lines of the report to `ziel` one by one. Returns the program's
// message when the report cannot be built ("Du hast keinen Kontenplan
// ausgewählt!", Windows-1252); file errors are thrown after the lines built
// so far.
std::optional<std::string> bilanz(const Berichtsdaten& daten, const Zeilenziel& ziel);

} // namespace saldino::reports
