#pragma once

#include "reports/spalten.h"

// "Journal": every booking of the journal, one line per amount, debit lines
// before credit lines. Needs no chart.
namespace saldino::reports {

// Hands the heading and the booking lines to `ziel`; a journal that cannot be
// opened throws before the first line.
void journalliste(const Zeilenziel& ziel);

} // namespace saldino::reports
