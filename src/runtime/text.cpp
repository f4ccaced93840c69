#include "runtime/text.h"

#include <array>

namespace saldino::runtime {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> hochbereich = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char32_t cp1252_zeichen(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return hochbereich[byte - 0x80];
    }
    return byte;
}

char cp1252_byte(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return static_cast<char>(zeichen);
    }
    for (std::size_t i = 0; i < hochbereich.size(); ++i) {
        if (hochbereich[i] == zeichen) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void utf8_anhaengen(std::string& ziel, char32_t z) {
    if (z < 0x80) {
        ziel += static_cast<char>(z);
    } else if (z < 0x800) {
        ziel += static_cast<char>(0xC0 | (z >> 6));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        ziel += static_cast<char>(0xE0 | (z >> 12));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (z >> 18));
        ziel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    }
}

std::string cp1252_nach_utf8(std::string_view cp1252) {
    std::string ergebnis;
    ergebnis.reserve(cp1252.size() + cp1252.size() / 8);
    for (char c : cp1252) {
        utf8_anhaengen(ergebnis, cp1252_zeichen(static_cast<unsigned char>(c)));
    }
    return ergebnis;
}

namespace {

// The character at `i`, with its length in bytes; length 0 for a sequence
// that is not valid UTF-8 (`streng`: also an overlong form or a surrogate).
std::size_t dekodiere(std::string_view utf8, std::size_t i, char32_t& zeichen, bool streng) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    std::size_t laenge = 0;
    char32_t z = 0;
    if (b < 0x80) {
        zeichen = b;
        return 1;
    }
    if ((b & 0xE0) == 0xC0) {
        laenge = 2;
        z = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        laenge = 3;
        z = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        laenge = 4;
        z = b & 0x07;
    }
    if (laenge == 0 || i + laenge > utf8.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < laenge; ++k) {
        const auto f = static_cast<unsigned char>(utf8[i + k]);
        if ((f & 0xC0) != 0x80) {
            return 0;
        }
        z = (z << 6) | (f & 0x3F);
    }
    constexpr char32_t kleinste[] = {0, 0, 0x80, 0x800, 0x10000};
    if (streng && (z < kleinste[laenge] || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF))) {
        return 0;
    }
    zeichen = z;
    return laenge;
}

} // namespace

namespace {

// The Windows-1252 text of a UTF-8 text. Leniently an undecodable byte or a
// character without a Windows-1252 form becomes '?'; strictly either gives nothing.
std::optional<std::string> nach_cp1252(std::string_view utf8, bool streng) {
    std::string ergebnis;
    ergebnis.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t zeichen = 0;
        const std::size_t laenge = dekodiere(utf8, i, zeichen, streng);
        const char byte = laenge == 0 ? '?' : cp1252_byte(zeichen);
        if (streng && (laenge == 0 || (byte == '?' && zeichen != U'?'))) {
            return std::nullopt;
        }
        ergebnis += byte;
        i += laenge == 0 ? 1 : laenge;
    }
    return ergebnis;
}

} // namespace

std::string utf8_nach_cp1252(std::string_view utf8) {
    return *nach_cp1252(utf8, false);
}

std::optional<std::string> utf8_streng_nach_cp1252(std::string_view utf8) {
    return nach_cp1252(utf8, true);
}

Utf8 pruefe_utf8(std::string_view text) {
    bool umlaute = false;
    for (std::size_t i = 0; i < text.size();) {
        char32_t zeichen = 0;
        const std::size_t laenge = dekodiere(text, i, zeichen, true);
        if (laenge == 0) {
            return Utf8::ungueltig;
        }
        umlaute = umlaute || laenge > 1;
        i += laenge;
    }
    return umlaute ? Utf8::umlaute : Utf8::ascii;
}

std::string cp1252_nach_anzeige(std::string_view cp1252) {
    std::string utf8;
    utf8.reserve(cp1252.size());
    for (const char byte : cp1252) {
        const char32_t zeichen = cp1252_zeichen(static_cast<unsigned char>(byte));
        if (zeichen < 0x20 || (zeichen >= 0x7F && zeichen <= 0x9F)) {
            utf8 += "\xEF\xBF\xBD";
        } else {
            utf8_anhaengen(utf8, zeichen);
        }
    }
    return utf8;
}

} // namespace saldino::runtime

namespace saldino::runtime {

std::string name_nach_anzeige(std::string_view name) {
    std::string utf8;
    utf8.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        char32_t zeichen = 0;
        const std::size_t laenge = dekodiere(name, i, zeichen, true);
        if (laenge == 0 || zeichen < 0x20 || (zeichen >= 0x7F && zeichen <= 0x9F)) {
            utf8 += "\xEF\xBF\xBD";
        } else {
            utf8_anhaengen(utf8, zeichen);
        }
        i += laenge == 0 ? 1 : laenge;
    }
    return utf8;
}

} // namespace saldino::runtime
