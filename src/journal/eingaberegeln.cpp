#include "journal/eingaberegeln.h"

#include "runtime/fehler.h"
#include "runtime/text.h"
#include "runtime/zahlen.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace saldino::journal {

namespace {

void zwei_ziffern(std::string& ziel, std::uint64_t wert) {
    if (wert < 10) {
        ziel += '0';
    }
    ziel += std::to_string(wert);
}

// 2^63: the first magnitude whose whole part no longer fits 64 bits.
constexpr double grenze_ganzzahl = 9223372036854775808.0;

// (bruch * 100) rounded to the nearest whole number, an exact half to even,
// computed exactly from the bits of `bruch` (0 <= bruch < 1).
std::uint64_t hundertstel(double bruch) {
    if (bruch == 0) {
        return 0;
    }
    int exponent = 0;
    const double mantisse = std::frexp(bruch, &exponent); // bruch = mantisse * 2^exponent
    // bruch = m * 2^(exponent - 53) with a whole m below 2^53; m * 100 stays below 2^60.
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantisse, 53));
    const std::uint64_t produkt = m * 100;
    const int verschiebung = 53 - exponent; // >= 53 since bruch < 1
    if (verschiebung >= 64) {
        return 0; // below 1/16: far from a half
    }
    const std::uint64_t ganz = produkt >> verschiebung;
    const std::uint64_t rest = produkt & ((std::uint64_t{1} << verschiebung) - 1);
    const std::uint64_t haelfte = std::uint64_t{1} << (verschiebung - 1);
    const bool aufrunden = rest > haelfte || (rest == haelfte && (ganz & 1) != 0);
    return ganz + (aufrunden ? 1 : 0);
}

// Roughly the decimal exponent of a number that a double cannot hold: its
// integer digits plus its exponent. Only the sign matters, which tells a
// number far too large from one far too small.
long long groessenordnung(const std::string& ganz, const std::string& exponent) {
    const std::size_t erste = ganz.find_first_not_of('0');
    const auto stellen =
        static_cast<long long>(erste == std::string::npos ? 0 : ganz.size() - erste);
    long long zehnerpotenz = 0;
    for (char c : exponent) {
        if (runtime::ist_ziffer(c) && zehnerpotenz < 1'000'000) {
            zehnerpotenz = 10 * zehnerpotenz + (c - '0');
        }
    }
    return stellen + (exponent.starts_with('-') ? -zehnerpotenz : zehnerpotenz);
}

// Most stored amounts are the double nearest to a whole number of cents
// k / 100. With |k| below 10^15 the 15-digit general form of such a value is
// k / 100 itself (the value lies within half a unit in its last bit of
// k / 100, far inside the 15-digit grid), and its exact cents round to k.
// Returns k for such a value.
std::optional<std::int64_t> ganze_cent(double wert) {
    if (!(std::fabs(wert) < 1e13)) {
        return std::nullopt;
    }
    const auto k = static_cast<std::int64_t>(std::llround(wert * 100));
    if (static_cast<double>(k) / 100 != wert) {
        return std::nullopt;
    }
    return k;
}

} // namespace

double lies_betrag(std::string_view text) {
    const auto fehler = [text] { runtime::wirf_kein_gleitkomma(text); };
    std::size_t i = 0;
    const auto leer = [&] {
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
    };
    const auto ziffern = [&](std::string& ziel) {
        const std::size_t anfang = i;
        while (i < text.size() && runtime::ist_ziffer(text[i])) {
            ziel += text[i++];
        }
        return i - anfang;
    };

    if (text.empty()) {
        return 0;
    }
    leer();
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    std::string ganz;
    std::string bruch;
    const std::size_t ganzziffern = ziffern(ganz);
    bool komma = false;
    if (i < text.size() && text[i] == ',') {
        komma = true;
        ++i;
        ziffern(bruch);
    }
    if (ganzziffern == 0 && !komma) {
        fehler();
    }
    std::string exponent;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponent += text[i++];
        }
        if (ziffern(exponent) == 0) {
            fehler();
        }
    }
    leer();
    if (i != text.size()) {
        fehler();
    }

    // The number in the form from_chars reads: digits, a point, an exponent.
    std::string zahl = (ganz.empty() ? "0" : ganz) + "." + (bruch.empty() ? "0" : bruch);
    if (!exponent.empty()) {
        zahl += "e" + exponent;
    }
    double wert = 0;
    const auto [ende, ergebnis] =
        runtime::lies_gleitkomma(zahl.data(), zahl.data() + zahl.size(), wert);
    if (ergebnis == std::errc::result_out_of_range) {
        // Beyond the range of a double: far too small is zero, far too large no number.
        if (groessenordnung(ganz, exponent) > 0) {
            fehler();
        }
        wert = 0;
    } else if (ergebnis != std::errc() || ende != zahl.data() + zahl.size()) {
        fehler();
    }
    if (!(std::fabs(wert) < grenze_ganzzahl)) {
        fehler();
    }
    return negativ ? -wert : wert;
}

namespace {

// The amount text of a cent amount: sign, whole number, comma, two digits.
std::string als_text(const Centbetrag& betrag) {
    std::string text = betrag.negativ ? "-" : "";
    text += std::to_string(betrag.ganz);
    text += ',';
    zwei_ziffern(text, betrag.cent);
    return text;
}

} // namespace

Centbetrag in_cent(double wert) {
    const double betrag = std::fabs(wert);
    if (!(betrag < grenze_ganzzahl)) {
        runtime::wirf_kein_gleitkomma(allgemeine_form(wert));
    }
    const double ganzteil = std::trunc(betrag);
    Centbetrag ergebnis;
    ergebnis.ganz = static_cast<std::uint64_t>(ganzteil);
    ergebnis.cent = hundertstel(betrag - ganzteil);
    if (ergebnis.cent == 100) {
        ++ergebnis.ganz;
        ergebnis.cent = 0;
    }
    ergebnis.negativ = std::signbit(wert) && !ergebnis.null();
    return ergebnis;
}

std::string wie_getippt(std::string_view text) {
    std::size_t i = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    const auto ziffern = [&] {
        const std::size_t anfang = i;
        while (i < text.size() && runtime::ist_ziffer(text[i])) {
            ++i;
        }
        return i - anfang;
    };
    const std::size_t erste = ziffern();
    if (erste == 0 || i >= text.size() || text[i] != '.') {
        return std::string(text);
    }
    const std::size_t punkt = i++;
    const std::size_t danach = ziffern();
    // "1250.50", "1250.5": a decimal point.
    if (i == text.size() && (danach == 1 || danach == 2)) {
        return std::string(text.substr(0, punkt)) + ',' + std::string(text.substr(punkt + 1));
    }
    // "80.000,00", "2.500", "1.234.567": thousands points between groups of three.
    if (erste > 3 || danach != 3) {
        return std::string(text);
    }
    while (i < text.size() && text[i] == '.') {
        ++i;
        if (ziffern() != 3) {
            return std::string(text);
        }
    }
    if (i < text.size() && text[i] == ',') {
        ++i;
        ziffern();
    }
    if (i != text.size()) {
        return std::string(text);
    }
    std::string ohne;
    for (char c : text) {
        if (c != '.') {
            ohne += c;
        }
    }
    return ohne;
}

std::string checkmoney(std::string_view text) {
    return als_text(in_cent(lies_betrag(wie_getippt(text))));
}

std::string ist_betrag(std::string_view eingabe) {
    const std::string text = wie_getippt(eingabe);
    for (char c : text) {
        if (!runtime::ist_ziffer(c) && c != ',') {
            return "0,00";
        }
    }
    return text;
}

bool ist_verworfener_betrag(std::string_view text) {
    return text.find_first_not_of(' ') != std::string_view::npos &&
           ist_betrag(text) != wie_getippt(text);
}

std::string allgemeine_form(double wert) {
    if (std::isnan(wert)) {
        return "NAN";
    }
    if (std::isinf(wert)) {
        return wert < 0 ? "-INF" : "INF";
    }
    if (wert == 0) {
        return "0";
    }
    if (const auto k = ganze_cent(wert)) {
        // Whole cents: the digits of k / 100 without trailing zeros.
        const auto betrag = static_cast<std::uint64_t>(*k < 0 ? -*k : *k);
        std::string text = *k < 0 ? "-" : "";
        text.append(std::to_string(betrag / 100));
        const std::uint64_t cent = betrag % 100;
        if (cent != 0) {
            text += ',';
            text += static_cast<char>('0' + cent / 10);
            if (cent % 10 != 0) {
                text += static_cast<char>('0' + cent % 10);
            }
        }
        return text;
    }
    // d.dddddddddddddde[+-]x: the value rounded to 15 significant digits.
    std::array<char, 40> puffer{};
    const auto ergebnis = runtime::schreibe_wissenschaftlich(
        puffer.data(), puffer.data() + puffer.size(), std::fabs(wert), 14);
    const std::string_view wissenschaftlich(puffer.data(),
                                            static_cast<std::size_t>(ergebnis.ptr - puffer.data()));
    const std::size_t e = wissenschaftlich.find('e');
    std::string ziffern;
    ziffern += wissenschaftlich[0];
    ziffern.append(wissenschaftlich.substr(2, e - 2));
    while (ziffern.size() > 1 && ziffern.back() == '0') {
        ziffern.pop_back();
    }
    int zehnerpotenz = 0;
    std::from_chars(wissenschaftlich.data() + e + (wissenschaftlich[e + 1] == '+' ? 2 : 1),
                    wissenschaftlich.data() + wissenschaftlich.size(), zehnerpotenz);

    std::string text = wert < 0 ? "-" : "";
    if (zehnerpotenz >= -4 && zehnerpotenz < 15) {
        if (zehnerpotenz >= 0) {
            const auto stellen = static_cast<std::size_t>(zehnerpotenz) + 1;
            if (ziffern.size() <= stellen) {
                text.append(ziffern);
                text.append(stellen - ziffern.size(), '0');
            } else {
                text.append(ziffern, 0, stellen);
                text += ',';
                text.append(ziffern, stellen);
            }
        } else {
            text.append("0,");
            text.append(static_cast<std::size_t>(-zehnerpotenz - 1), '0');
            text.append(ziffern);
        }
    } else {
        text += ziffern[0];
        if (ziffern.size() > 1) {
            text += ',';
            text.append(ziffern, 1);
        }
        text += 'E';
        text.append(std::to_string(zehnerpotenz));
    }
    return text;
}

std::string betragstext(double wert) {
    // What follows gives checkmoney(allgemeine_form(wert)) without building
    // and reading the general form.
    if (const auto k = ganze_cent(wert)) {
        const auto betrag = static_cast<std::uint64_t>(*k < 0 ? -*k : *k);
        return als_text({*k < 0, betrag / 100, betrag % 100});
    }
    // Otherwise the general form is the value rounded to 15 significant
    // digits, which is what the scientific text holds, so reading either
    // gives the same double. The slow way remains for the error messages.
    std::array<char, 40> puffer{};
    const auto ergebnis =
        runtime::schreibe_wissenschaftlich(puffer.data(), puffer.data() + puffer.size(), wert, 14);
    double gerundet = 0;
    const auto gelesen = runtime::lies_gleitkomma(puffer.data(), ergebnis.ptr, gerundet);
    if (!std::isfinite(wert) || gelesen.ec != std::errc() ||
        !(std::fabs(gerundet) < grenze_ganzzahl)) {
        return checkmoney(allgemeine_form(wert));
    }
    return als_text(in_cent(gerundet));
}

} // namespace saldino::journal
