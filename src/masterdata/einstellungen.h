#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The settings file einstellungen.txt: 17 lines, one value each, Windows-1252,
// CR LF. The two settings pages are the live copy of these values.
namespace saldino::masterdata {

inline constexpr const char* einstellungsdatei = "einstellungen.txt";

struct Einstellungen {
    std::array<std::string, 8> firma;            // lines 1-8: Edit1 to Edit8
    bool mit_mwst = true;                        // line 9: CheckBox1
    std::string mwst_satz = "0,00";              // line 10: Edit13
    bool nullkonten_zeigen = false;              // line 11: CheckBox2
    std::string jahr;                            // line 12: Edit28
    std::array<std::string, 4> kontenplan_namen; // lines 13-16: Edit9 to Edit12
    int kontenplan_index = 0;                    // line 17: RadioGroup1's item index, -1 to 3

    bool operator==(const Einstellungen&) const = default;
};

// The values of "Grundeinstellungen wiederherstellen": VAT on, zero accounts
// hidden, year 2004 (the year of the supplied exercises) and the four chart names. Rate, company
// data and chart choice stay.
void grundeinstellungen_wiederherstellen(Einstellungen& werte);

// The year a date typed without one receives: "Jahr der Buchhaltng:" when it
// holds a year from 1900 to 2099 (blanks around it aside), otherwise 2004.
std::int32_t buchungsjahr(std::string_view jahr);

// Whether the company name typed on the company page opens the settings
// page ("Einstellungen"): it is the access word itself.
bool ist_zugangswort(const std::string& firmenname);

// The radio group keeps its item index within -1 to 3.
int begrenze_kontenplan_index(int index);

// Reads the file into `werte` line by line. A missing line reads as empty.
// Line 17 is converted last: when it is no integer the error is thrown after
// lines 1 to 16 have been stored and `kontenplan_index` is -1 (no chart).
void lies_einstellungen(Einstellungen& werte);

std::string einstellungen_text(const Einstellungen& werte);

// Replaces the file safely; a failure leaves the previous file whole.
void schreibe_einstellungen(const Einstellungen& werte);

} // namespace saldino::masterdata
