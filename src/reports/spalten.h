#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The column formatters and the lines that the reports share. Every report
// is a list of lines of Windows-1252 text, one byte per column.
namespace saldino::reports {

// Where a report puts its lines, one at a time: the page collects them, the
// command-line tool writes each at once.
using Zeilenziel = std::function<void(std::string_view zeile)>;

// Right-aligned column: a text shorter than `breite` gets breite - L + 1
// spaces in front, one of exactly `breite` stays as it is, a longer one is
// cut to breite - 2 characters and "..." (so usually breite + 1 columns).
std::string printf(std::string_view text, std::int32_t breite);

// Left-aligned column: as printf, with the spaces behind the text.
std::string printr(std::string_view text, std::int32_t breite);

// The same, appended to `ziel` without a string of its own.
void printf_an(std::string& ziel, std::string_view text, std::int32_t breite);
void printr_an(std::string& ziel, std::string_view text, std::int32_t breite);

// The amount text of a stored value, right-aligned in a column of `breite`.
void betragsspalte_an(std::string& ziel, double wert, std::int32_t breite);

// The number a booking shows: its stored number plus 1, in decimal.
std::string buchungsnummer(std::int32_t nr);

// The 45 hyphens between the parts of the balance sheet and the operating result.
inline constexpr std::string_view trennlinie = "---------------------------------------------";

// The company data that heads and signs a report.
struct Firmendaten {
    std::string name;           // Edit1
    std::string strasse;        // Edit2
    std::string ort;            // Edit3
    std::string buchhaltung;    // Edit7
    std::string verantwortlich; // Edit8
};

// The title followed by the company name, then street and town.
void kopfblock(const Zeilenziel& ziel, std::string_view titel, const Firmendaten& firma);

// The account name padded to 35 columns, the amount to 10; neither is cut.
std::string kontozeile(std::string_view name, double wert);

// The label and the amount ending in column 45.
std::string betragszeile(std::string_view label, double wert);

// A separator, "Summe: " with the total, a separator: the close of a side.
void summenblock(const Zeilenziel& ziel, double summe);

// The close of a statement: with a loss (`ergebnis` below 0) the line
// "Verlust:" with it, counted in the total; then the summenblock.
void verlust_und_summe(const Zeilenziel& ziel, double ergebnis, double summe);

// Two empty lines, "f.d.R.: " and the bookkeeper, an empty line, "verantw.:"
// and the person responsible.
void unterschriften(const Zeilenziel& ziel, const Firmendaten& firma);

} // namespace saldino::reports
