#include "runtime/zahlen.h"

#include "runtime/fehler.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace saldino::runtime {

std::int32_t lies_integer(std::string_view text) {
    std::string_view ziffern = text;
    if (!ziffern.empty() && ziffern.front() == '+') {
        ziffern.remove_prefix(1);
        if (!ziffern.empty() && ziffern.front() == '-') {
            wirf_kein_integer(text);
        }
    }
    std::int32_t wert = 0;
    const auto [ende, fehler] =
        std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), wert);
    if (ziffern.empty() || fehler != std::errc() || ende != ziffern.data() + ziffern.size()) {
        wirf_kein_integer(text);
    }
    return wert;
}

#ifdef __EMSCRIPTEN__

std::from_chars_result lies_gleitkomma(const char* anfang, const char* ende, double& wert) {
    // strtod takes more than from_chars: a leading blank or '+', "inf", "nan", hex.
    if (anfang == ende ||
        !(*anfang == '-' || *anfang == '.' || (*anfang >= '0' && *anfang <= '9'))) {
        return {anfang, std::errc::invalid_argument};
    }
    for (const char* p = anfang; p != ende; ++p) {
        if (*p == 'x' || *p == 'X' || *p == 'n' || *p == 'N' || *p == 'i' || *p == 'I') {
            return {anfang, std::errc::invalid_argument};
        }
    }
    const std::string text(anfang, ende);
    char* gelesen = nullptr;
    errno = 0;
    const double ergebnis = std::strtod(text.c_str(), &gelesen);
    if (gelesen == text.c_str()) {
        return {anfang, std::errc::invalid_argument};
    }
    const char* bis = anfang + (gelesen - text.c_str());
    if (errno == ERANGE) {
        return {bis, std::errc::result_out_of_range};
    }
    wert = ergebnis;
    return {bis, std::errc()};
}

std::to_chars_result schreibe_wissenschaftlich(char* anfang, char* ende, double wert, int stellen) {
    const int laenge =
        std::snprintf(anfang, static_cast<std::size_t>(ende - anfang), "%.*e", stellen, wert);
    if (laenge < 0 || laenge >= ende - anfang) {
        return {ende, std::errc::value_too_large};
    }
    return {anfang + laenge, std::errc()};
}

#else

std::from_chars_result lies_gleitkomma(const char* anfang, const char* ende, double& wert) {
    return std::from_chars(anfang, ende, wert);
}

std::to_chars_result schreibe_wissenschaftlich(char* anfang, char* ende, double wert, int stellen) {
    return std::to_chars(anfang, ende, wert, std::chars_format::scientific, stellen);
}

#endif

} // namespace saldino::runtime
