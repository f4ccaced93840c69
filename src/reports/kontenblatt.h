#pragma once

#include "reports/spalten.h"

#include <cstdint>
#include <string_view>

// "Kontenblätter": one account as a T-account, its debit entries, then its
// credit entries, each side closed with the closing balance on the smaller
// side and the side total.
namespace saldino::reports {

// Hands the sheet of the account named `konto` (Windows-1252, matched
// exactly) to `ziel`, reading the journal once; the closing balance is dated
// 31.12. of `jahr`, the booking year. A journal that cannot be opened fails
// after the title line.
void kontenblatt(std::string_view konto, const Zeilenziel& ziel, std::int32_t jahr);

// The same account as a T (Soll left, Haben right, as the closing page draws
// its accounts): each entry the booking's number and its counter-account
// ("Verschiedene" for several, the reason for none), the closing balance
// ("Schlussbestand") on the smaller side, the two totals.
void t_kontenblatt(std::string_view konto, const Zeilenziel& ziel);

} // namespace saldino::reports
