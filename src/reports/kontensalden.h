#pragma once

#include "masterdata/kontenplan.h"

#include <string_view>
#include <unordered_map>
#include <vector>

// The balance of every account of a chart, from one pass over the journal.
namespace saldino::reports {

// For each account of the chart (in chart order), the sum over the journal
// of its lines' debit minus credit, added in journal and line order: for
// every matching line the debit is added, then the credit subtracted. An
// account listed twice has the same balance twice.
std::vector<double> kontensalden(const std::vector<masterdata::TKonto>& konten);

} // namespace saldino::reports
