#pragma once

#include "reports/bilanz.h"

// "Betriebsergebnis": the operating statement (accounts marked "B") and the
// neutral statement (accounts marked "N"), each with its Soll and Haben side
// and its profit or loss, from the selected chart and the whole journal.
namespace saldino::reports {

// Hands the lines to `ziel`; returns the program's message when there is no
// chart. The journal is read before the first line, so a file error leaves
// no line at all.
std::optional<std::string> betriebsergebnis(const Berichtsdaten& daten, const Zeilenziel& ziel);

// The operating and the neutral result alone: credit minus debit over every
// journal line of an operating (neutral) account of the chart.
double BerechneGewinn(std::int32_t kontenplan_nr);
double BerechneNeutral(std::int32_t kontenplan_nr);

} // namespace saldino::reports
