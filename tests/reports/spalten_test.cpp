#include "reports/spalten.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::reports {
namespace {

struct Spaltenfall {
    bool rechts;
    std::string text;
    int breite;
    std::string ergebnis;
};

void PrintTo(const Spaltenfall& fall, std::ostream* aus) {
    *aus << (fall.rechts ? "printf(\"" : "printr(\"") << fall.text << "\", " << fall.breite << ")";
}

class Spalten : public ::testing::TestWithParam<Spaltenfall> {};

TEST_P(Spalten, PadOrCutToTheWidth) {
    const auto& fall = GetParam();
    EXPECT_EQ(fall.rechts ? printf(fall.text, fall.breite) : printr(fall.text, fall.breite),
              fall.ergebnis);
}

const std::string name30 = "Abcdefghijklmnopqrstuvwxyz1234";
const std::string name25 = name30.substr(0, 25);

INSTANTIATE_TEST_SUITE_P(
    Berichte, Spalten,
    ::testing::Values(Spaltenfall{false, "Datum", 9, "Datum     "},
                      Spaltenfall{true, "Betrag", 10, "     Betrag"},
                      Spaltenfall{true, "1500,00", 37, std::string(31, ' ') + "1500,00"},
                      Spaltenfall{false, name30, 25, name30.substr(0, 23) + "..."},
                      Spaltenfall{false, name25, 25, name25}, Spaltenfall{false, "", 4, "     "},
                      Spaltenfall{true, "", 4, "     "},
                      Spaltenfall{false, "12345678901", 10, "12345678..."},
                      Spaltenfall{true, "12345678,90", 10, "12345678..."},
                      Spaltenfall{false, "abc", 2, "..."}, Spaltenfall{true, "abc", 0, "..."},
                      Spaltenfall{false, "abc", -3, "..."}, Spaltenfall{true, "", 0, ""}),
    test::Zeilenname());

TEST(Berichtszeilen, AnAccountLineIsNeverCut) {
    EXPECT_EQ(kontozeile("Bank", 900), "Bank" + std::string(31, ' ') + "    900,00");
    const std::string lang(40, 'x');
    const std::string zeile = kontozeile(lang, 1234567.5);
    EXPECT_EQ(zeile, lang + "1234567,50");
    EXPECT_EQ(kontozeile(lang, 5).size(), 50u);
    EXPECT_EQ(kontozeile("Bank", 12345678901.0), "Bank" + std::string(31, ' ') + "12345678901,00");
}

TEST(Berichtszeilen, LabelledAmountsEndInColumn45) {
    for (const char* label : {"Summe: ", "Gewinn:", "Verlust:", "Gewinn-/Verlustvortrag"}) {
        const std::string zeile = betragszeile(label, 300);
        EXPECT_EQ(zeile.size(), 45u) << label;
        EXPECT_TRUE(zeile.ends_with(" 300,00")) << label;
    }
}

TEST(Berichtszeilen, ResiduesOfCentSumsVanish) {
    double summe = 0;
    for (int i = 0; i < 30; ++i) {
        summe += 0.1;
    }
    EXPECT_EQ(betragszeile("Summe: ", summe), "Summe: " + std::string(34, ' ') + "3,00");
    EXPECT_EQ(betragszeile("Summe: ", 0.00001), "Summe: " + std::string(34, ' ') + "0,00");
}

} // namespace
} // namespace saldino::reports
