// The date rule of the booking and the opening page.
#include "journal/eingaberegeln.h"

#include "runtime/fehler.h"
#include "runtime/text.h"

#include <array>
#include <cstdio>
#include <string>

namespace saldino::journal {

namespace {

// One digit position of the date rule.
int ziffer(std::string_view text, std::size_t position) {
    const char c = text[position];
    if (!runtime::ist_ziffer(c)) {
        runtime::wirf_kein_integer(std::string(1, c));
    }
    return c - '0';
}

int zweistellig(std::string_view text, std::size_t position) {
    const int zehner = ziffer(text, position);
    return 10 * zehner + ziffer(text, position + 1);
}

std::string datumstext(int tag, int monat, int jahr) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%02d.%02d.%d", tag, monat, jahr);
    return text.data();
}

// A date as pupils write it, with one-digit day or month ("2.1.", "2.1.04",
// "8.01.2004"), padded to the form the date rule reads ("02.01." …);
// any other text as it is.
std::string aufgefuellt(std::string_view text) {
    std::size_t i = 0;
    const auto zahl = [&](std::size_t wenigstens, std::size_t hoechstens) -> std::string_view {
        const std::size_t anfang = i;
        while (i < text.size() && i - anfang < hoechstens && runtime::ist_ziffer(text[i])) {
            ++i;
        }
        return i - anfang >= wenigstens ? text.substr(anfang, i - anfang) : std::string_view();
    };
    const std::string_view tag = zahl(1, 2);
    if (tag.empty() || i >= text.size() || text[i++] != '.') {
        return std::string(text);
    }
    const std::string_view monat = zahl(1, 2);
    if (monat.empty() || i >= text.size() || text[i++] != '.') {
        return std::string(text);
    }
    const std::string_view jahr = zahl(0, 4);
    if (i != text.size() || (jahr.size() != 0 && jahr.size() != 2 && jahr.size() != 4) ||
        (tag.size() == 2 && monat.size() == 2)) {
        return std::string(text);
    }
    const auto zwei = [](std::string_view teil) {
        return teil.size() == 1 ? "0" + std::string(teil) : std::string(teil);
    };
    return zwei(tag) + "." + zwei(monat) + "." + std::string(jahr);
}

// The date rule on the forms it reads; throws the integer conversion error
// for a character that is not a digit where the form wants one.
std::string datum_der_form(std::string_view text, std::int32_t buchungsjahr) {
    const std::size_t laenge = text.size();
    const bool punkte = laenge >= 6 && text[2] == '.' && text[5] == '.';
    if (laenge == 4) {
        const int tag = zweistellig(text, 0);
        const int monat = zweistellig(text, 2);
        return datumstext(tag, monat, buchungsjahr);
    }
    // TT.MM. takes the booking year as TTMM does; with year 0 and the range
    // check it could never be read.
    if (laenge == 6 && punkte) {
        const int tag = zweistellig(text, 0);
        const int monat = zweistellig(text, 3);
        return datumstext(tag, monat, buchungsjahr);
    }
    if (laenge == 6 && !punkte) {
        const int tag = zweistellig(text, 0);
        const int monat = zweistellig(text, 2);
        return datumstext(tag, monat, 2000 + zweistellig(text, 4));
    }
    if (!punkte || (laenge != 8 && laenge != 10)) {
        return std::string(ungueltiges_datum);
    }
    const int tag = zweistellig(text, 0);
    const int monat = zweistellig(text, 3);
    int jahr = 0;
    if (laenge == 10) {
        const int hunderte = zweistellig(text, 6);
        jahr = 100 * hunderte + zweistellig(text, 8);
    } else {
        jahr = 2000 + zweistellig(text, 6);
    }
    if (tag > 31 || monat > 12 || jahr < 1900) {
        return std::string(ungueltiges_datum);
    }
    return datumstext(tag, monat, jahr);
}

} // namespace

std::string checkdate(std::string_view text, std::int32_t buchungsjahr) {
    try {
        return datum_der_form(aufgefuellt(text), buchungsjahr);
    } catch (const runtime::Laufzeitfehler&) {
        // A letter or a blank where a digit belongs: the date cannot be read.
        return std::string(ungueltiges_datum);
    }
}

} // namespace saldino::journal
