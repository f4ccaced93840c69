// The booking form's rules that both front ends call.
#include "journal/buchungsformular.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::journal {
namespace {

struct Kontofall {
    std::size_t zeile;
    const char* getippt;
    std::int32_t kontenplan;
    const char* danach;
    bool nicht_gefunden;
};

void PrintTo(const Kontofall& fall, std::ostream* aus) {
    *aus << fall.getippt << " in Zeile " << fall.zeile + 1;
}

class Kontoeingaben : public ::testing::TestWithParam<Kontofall> {};

TEST_P(Kontoeingaben, EndAsTheBoxShowsThem) {
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.mit_daten();
    verzeichnis.schreibe("Kontenplan3.txt", "2800 Bank<B> A  B\r\n2880 Kasse<B> A  B\r\n");
    const Kontofall& fall = GetParam();
    const Kontoeingabe eingabe = kontoeingabe(fall.zeile, fall.getippt, fall.kontenplan);
    EXPECT_EQ(eingabe.text, fall.danach);
    EXPECT_EQ(eingabe.nicht_gefunden, fall.nicht_gefunden);
    EXPECT_EQ(eingabe.kein_kontenplan, fall.kontenplan == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Formular, Kontoeingaben,
    ::testing::Values(Kontofall{0, "kasse", 1, "Kasse", false},
                      Kontofall{0, "Kasse", 1, "Kasse", false}, Kontofall{1, "", 1, "", true},
                      Kontofall{2, "", 1, "", false}, Kontofall{4, "bankk", 1, "", true},
                      Kontofall{0, "2800", 3, "2800 Bank", false}, Kontofall{0, "28", 3, "", true},
                      Kontofall{1, "bank", 3, "2800 Bank", false}, Kontofall{1, "Ban", 3, "", true},
                      Kontofall{0, "Kasse", 0, "", true}),
    test::Zeilenname());

TEST(Navigation, StaysWithinTheJournal) {
    EXPECT_EQ(navigiere(Richtung::erste, 5, 9), 1);
    EXPECT_EQ(navigiere(Richtung::erste, 0, 0), 0);
    EXPECT_EQ(navigiere(Richtung::vorige, 1, 9), 1);
    EXPECT_EQ(navigiere(Richtung::vorige, 5, 9), 4);
    EXPECT_EQ(navigiere(Richtung::naechste, 9, 9), 9);
    EXPECT_EQ(navigiere(Richtung::naechste, 5, 9), 6);
    EXPECT_EQ(navigiere(Richtung::letzte, 2, 9), 9);
}

} // namespace
} // namespace saldino::journal
