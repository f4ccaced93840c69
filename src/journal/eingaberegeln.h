#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The rules that turn typed dates and amounts into the texts the journal
// stores and the reports print. Every number is read and written without the
// process locale; the decimal separator is always the comma.
namespace saldino::journal {

// The date rule: TTMM, TT.MM.JJJJ, TT.MM.JJ, TT.MM. and TTMMJJ become
// "TT.MM.JJJJ" (TTMM and TT.MM. with the booking year, neither range-checked),
// and so do the same forms with a one-digit day or month as pupils write
// them ("2.1.", "2.1.04", "8.01.2004"); anything else, a character that is
// not a digit where the form wants one, and a date out of range give
// "00.00.0000", which the pages ask about before they book it.
std::string checkdate(std::string_view text, std::int32_t buchungsjahr);

// What the date rule gives for a date it cannot read.
inline constexpr std::string_view ungueltiges_datum = "00.00.0000";

// Reads a typed amount: blanks, an optional sign, digits with an optional
// decimal comma, an optional exponent, blanks; an empty text or a comma alone
// is 0. Throws "'<text>' ist kein gültiger Gleitkommawert" for anything else
// and for a value whose whole part does not fit 64 bits.
double lies_betrag(std::string_view text);

// An amount as pupils write it in the form the amount rule reads: thousands
// points between groups of exactly three digits ("80.000,00", "2.500") left
// out, a single point before one or two last digits ("1250.50") a decimal
// comma; any other text as it is.
std::string wie_getippt(std::string_view text);

// The amount rule: the amount text (whole number, comma, two decimals) of a
// typed amount (as pupils write it, see wie_getippt), the cents rounded half
// to even on the exact double value.
std::string checkmoney(std::string_view text);

// An amount rounded to whole cents, half to even on the exact double value.
struct Centbetrag {
    bool negativ = false; // never for zero
    std::uint64_t ganz = 0;
    std::uint64_t cent = 0; // 0 to 99

    bool null() const { return ganz == 0 && cent == 0; }
    bool operator==(const Centbetrag&) const = default;
};

// Throws the floating-point conversion error (with the general decimal form
// as its text) for a value whose whole part does not fit 64 bits.
Centbetrag in_cent(double wert);

// The amount filter: the text (as pupils write it, see wie_getippt) when it
// holds only digits and commas, otherwise "0,00".
std::string ist_betrag(std::string_view text);

// Whether the amount filter would throw away what was typed: the text holds
// something besides blanks, and something besides digits and commas (a
// thousands point, a sign, a letter), so it would be booked as 0.
bool ist_verworfener_betrag(std::string_view text);

// The general decimal form of a double: at most 15 significant digits, as
// short as possible, decimal comma, fixed notation from 0,0001 up to 15
// integer digits, otherwise scientific ("1E-5", "1,5E20"). NaN and the
// infinities are written "NAN", "INF" and "-INF".
std::string allgemeine_form(double wert);

// The amount text of a stored value: the amount rule applied to its general
// decimal form. A NaN or infinity throws the floating-point conversion error.
std::string betragstext(double wert);

} // namespace saldino::journal
