#pragma once

#include "reports/spalten.h"

#include <string_view>

// "Kontenblätter": one account as a T-account, its debit entries, then its
// credit entries, each side closed with the closing balance on the smaller
// side and the side total.
namespace saldino::reports {

// Hands the sheet of the account named `konto` (Windows-1252, matched
// exactly) to `ziel`, reading the journal once. A journal that cannot be
// opened fails after the title line.
void kontenblatt(std::string_view konto, const Zeilenziel& ziel);

} // namespace saldino::reports
