#include "runtime/rtf.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::runtime {
namespace {

// The paragraphs as plain text, with the formats of each run marked:
// *bold*, /italic/, _underlined_, and the size when it is not 12 pt.
std::string beschreibe(const RtfDokument& dokument) {
    std::string text;
    for (const auto& absatz : dokument.absaetze) {
        for (const auto& lauf : absatz.laeufe) {
            std::string marke;
            marke += lauf.format.fett ? "*" : "";
            marke += lauf.format.kursiv ? "/" : "";
            marke += lauf.format.unterstrichen ? "_" : "";
            if (lauf.format.halbpunkte != 24) {
                marke += std::to_string(lauf.format.halbpunkte);
            }
            text += marke.empty() ? lauf.text : "[" + marke + ":" + lauf.text + "]";
        }
        text += "|";
    }
    return text;
}

TEST(Rtf, ReadsParagraphsFormatsAndCharacters) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title "
        "Titel}}\r\n"
        "{\\*\\generator Writer;}\\pard\\fs20 Die {\\b Er\\'f6ffnung} ist\r\n wichtig.\\par\r\n"
        "{\\i kursiv\\i0  gerade}\\tab{\\ul unter}\\ulnone  und\\line neu\\par\r\n"
        "\\plain 5 \\u8364?, {\\uc2\\u8222\\'84\\'84 Zitat\\u8220 ?}\\par\r\n"
        "\\fs32\\b1 Gro\\'df\\b0  \\{x\\}\\\\\\par\r\n}";
    EXPECT_EQ(beschreibe(lies_rtf(rtf)), "[20:Die ][*20:Eröffnung][20: ist wichtig.]|"
                                         "[/20:kursiv][20: gerade\t][_20:unter][20: und\u2028neu]|"
                                         "5 €, „ Zitat“|"
                                         "[*32:Groß][32: {x}\\]|");
}

TEST(Rtf, TheLastParagraphMarkOpensNoEmptyParagraph) {
    EXPECT_EQ(lies_rtf("{\\rtf1 a\\par}").absaetze.size(), 1u);
    EXPECT_EQ(lies_rtf("{\\rtf1 a\\par\\par b}").absaetze.size(), 3u);
    EXPECT_EQ(lies_rtf("").absaetze.size(), 1u);
}

class KaputtesRtf : public ::testing::TestWithParam<std::string> {};

TEST_P(KaputtesRtf, EndsWithoutCrashing) {
    const RtfDokument dokument = lies_rtf(GetParam());
    EXPECT_FALSE(dokument.absaetze.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, KaputtesRtf,
    ::testing::Values(std::string(200000, '{') + "x", std::string(5000, '}') + "x",
                      std::string(100000, '{') + std::string(100000, '}'), "\\", "\\'", "\\'4",
                      "\\'zz", "\\u", "\\u-", "\\u99999999999999999999 x",
                      "\\fs-99999999999999999999999 x", "\\bin999999999999 x", "\\bin5", "{\\*",
                      "{\\fonttbl{{{{", "\\uc99999\\u65 abc", std::string("a\0b\\\0c", 7),
                      "\\" + std::string(1000, 'a') + "5"),
    test::Zeilenname());

TEST(Rtf, DeepGroupsKeepTheFormatOfTheDeepestLevel) {
    std::string rtf;
    for (int i = 0; i < 100; ++i) {
        rtf += i == 10 ? "{\\b " : "{";
    }
    rtf += "x";
    rtf += std::string(100, '}');
    rtf += "y";
    EXPECT_EQ(beschreibe(lies_rtf(rtf)), "[*:x]y|");
}

} // namespace
} // namespace saldino::runtime
