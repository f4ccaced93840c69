#include "runtime/text.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::runtime {
namespace {

TEST(Text, EveryCp1252ByteSurvivesTheRoundTripThroughUtf8) {
    std::string alle;
    for (int byte = 0; byte < 256; ++byte) {
        alle += static_cast<char>(byte);
    }
    EXPECT_EQ(utf8_nach_cp1252(cp1252_nach_utf8(alle)), alle);
}

struct Zeichenfall {
    const char* utf8;
    const char* cp1252;
};

class Zeichen : public ::testing::TestWithParam<Zeichenfall> {};

TEST_P(Zeichen, ConvertsBothWays) {
    EXPECT_EQ(utf8_nach_cp1252(GetParam().utf8), GetParam().cp1252);
    EXPECT_EQ(cp1252_nach_utf8(GetParam().cp1252), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Text, Zeichen,
    ::testing::Values(Zeichenfall{"Eröffnungsbilanzkonto", "Er\xF6"
                                                           "ffnungsbilanzkonto"},
                      Zeichenfall{"Straße", "Stra\xDF"
                                            "e"},
                      Zeichenfall{"5 €", "5 \x80"}, Zeichenfall{"„Soll“", "\x84Soll\x93"},
                      Zeichenfall{"\xC2\x81", "\x81"}),
    [](const auto& info) { return test::zeilenname(info.param.cp1252, info.index); });

TEST(Text, CharactersOutsideCp1252AndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(utf8_nach_cp1252("✓ ok"), "? ok");
    EXPECT_EQ(utf8_nach_cp1252("a\xC3"), "a?");
    EXPECT_EQ(utf8_nach_cp1252("\xFF"
                               "b"),
              "?b");
    EXPECT_EQ(utf8_nach_cp1252("😀"), "?");
}

} // namespace
} // namespace saldino::runtime
