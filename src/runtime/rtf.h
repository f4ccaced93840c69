#pragma once

#include <string>
#include <string_view>
#include <vector>

// A small reader for the notice document on the start page: it turns RTF into
// paragraphs of formatted text runs. It knows groups, \par, \line, \tab, \b,
// \i, \ul, \fs, \'hh (Windows-1252), \uN and skips the font, colour, style and
// info tables and every \* destination. Whatever the input, it ends: groups
// nest at most `maximale_tiefe` deep, deeper ones share the formats of that depth.
namespace saldino::runtime {

struct RtfFormat {
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    int halbpunkte = 24; // font size in half points, as \fs gives it

    bool operator==(const RtfFormat&) const = default;
};

struct RtfLauf {
    std::string text; // UTF-8; '\t' for a tab, U+2028 for a line break
    RtfFormat format;
};

struct RtfAbsatz {
    std::vector<RtfLauf> laeufe;
};

struct RtfDokument {
    std::vector<RtfAbsatz> absaetze;
};

inline constexpr int maximale_tiefe = 64;

RtfDokument lies_rtf(std::string_view rtf);

} // namespace saldino::runtime
