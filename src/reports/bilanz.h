#pragma once

#include "reports/berichtsdaten.h"
#include "reports/spalten.h"

#include <cstdint>
#include <optional>
#include <string>

// "Bilanz und GuV": the balance sheet (Aktiva, Passiva) and below it the
// profit-and-loss account (Soll, Haben), from the selected chart and the
// whole journal.
namespace saldino::reports {

// Hands the lines of the report to `ziel` one by one. Returns the program's
// message when the report cannot be built ("Du hast keinen Kontenplan
// ausgewählt!", Windows-1252); file errors are thrown after the lines built
// so far.
// `hinweis` gets what the page says above the report when the opening did
// not balance (UTF-8, "" otherwise).
std::optional<std::string> bilanz(const Berichtsdaten& daten, const Zeilenziel& ziel,
                                  std::string* hinweis = nullptr);

} // namespace saldino::reports
