#pragma once

#include "reports/spalten.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An account drawn as a T: Soll on the left, Haben on the right, each side
// a column of names and one of amounts, both sides closed with their totals.
// The closing page draws the GuV-Konto and the SBK so, the account-sheet
// page any account.
namespace saldino::reports {

// One side of a T-account: the entries and amounts in the order booked.
using Kontoseite = std::vector<std::pair<std::string, double>>;

// A T-account line is two sides of 33 columns and " | " between them.
constexpr std::size_t namensbreite = 21;
constexpr std::size_t betragsbreite = 12;
constexpr std::size_t seitenbreite = namensbreite + betragsbreite;

// The rule above and below the entries, as wide as a T-account line.
const std::string& t_strich();

// A name cut as the reports cut it, filled to its column.
std::string name_spalte(std::string_view name);

// An amount right-aligned in a column of `breite`.
std::string betrag_spalte(double betrag, std::size_t breite = betragsbreite);

// The total of one side.
double summe(const Kontoseite& seite);

// The heading "Soll  <titel>  Haben" (a long title cut), the rule, the
// entries side by side, the rule, the two totals and a blank line.
void t_konto(const Zeilenziel& ziel, std::string_view titel, const Kontoseite& soll,
             const Kontoseite& haben);

} // namespace saldino::reports
