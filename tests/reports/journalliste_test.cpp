#include "reports/journalliste.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

namespace saldino::reports {
namespace {

using test::buche;

const std::string kopf =
    "Nr.   Datum      Konto                S/H Person                     Grund"
    "                          Betrag\n";

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> ergebnis;
    std::size_t anfang = 0;
    for (std::size_t ende; (ende = text.find('\n', anfang)) != std::string::npos;
         anfang = ende + 1) {
        ergebnis.push_back(text.substr(anfang, ende - anfang));
    }
    return ergebnis;
}

class JournallisteTest : public ::testing::Test {
protected:
    std::string liste() {
        return test::text_von([](const Zeilenziel& ziel) { journalliste(ziel); });
    }

    test::Arbeitsverzeichnis verzeichnis;
};

TEST_F(JournallisteTest, AnEmptyJournalShowsTheHeadingAlone) {
    journal::journal_sichern();
    EXPECT_EQ(liste(), kopf);
    EXPECT_EQ(kopf.size(), 107u);
}

TEST_F(JournallisteTest, AMissingJournalBuildsNothing) {
    std::string text = "alt";
    EXPECT_EQ(test::meldung_von([&] { text = liste(); }), "Datei nicht gefunden");
    EXPECT_EQ(text, "alt");
}

TEST_F(JournallisteTest, ListsDebitLinesBeforeCreditLines) {
    buche({{"Bank", 0, 1500}, {"Kasse", 1500, 0}}, "Einzahlung", "05.03.2004", "Meier");
    buche({{"Kasse", 0, 0}, {"Bank", 0, 0}}, "nichts");
    buche({{"Waren", 10, 4}, {"Bank", 0, 6}, {"Kasse", -2, -2}}, "gemischt");
    const auto z = zeilen(liste());
    ASSERT_EQ(z.size(), 8u);
    EXPECT_EQ(z[1],
              "1     05.03.2004 Kasse                 S  Meier                      Einzahlung"
              "                    1500,00");
    EXPECT_EQ(z[2],
              "1     05.03.2004 Bank                  H  Meier                      Einzahlung"
              "                    1500,00");
    EXPECT_EQ(z[1].size(), 106u);
    EXPECT_EQ(z[3].substr(0, 40), "3     01.01.2004 Waren                 S");
    EXPECT_EQ(z[4].substr(0, 40), "3     01.01.2004 Kasse                 S");
    EXPECT_TRUE(z[4].ends_with("     -2,00"));
    EXPECT_EQ(z[5].substr(0, 40), "3     01.01.2004 Waren                 H");
    EXPECT_EQ(z[6].substr(0, 40), "3     01.01.2004 Bank                  H");
    EXPECT_EQ(z[7].substr(0, 40), "3     01.01.2004 Kasse                 H");
}

TEST_F(JournallisteTest, WideValuesMoveTheRestOfTheirLine) {
    buche({{"Kasse", 1, 0}}, std::string(25, 'g'), "");
    buche({{"Kasse", 1, 0}}, std::string(26, 'g'), "01.01.2004", std::string(30, 'p'));
    const auto z = zeilen(liste());
    EXPECT_EQ(z[1], "1      Kasse                 S                             " +
                        std::string(25, 'g') + "       1,00");
    EXPECT_EQ(z[2], "2     01.01.2004 Kasse                 S  " + std::string(23, 'p') + "... " +
                        std::string(23, 'g') + "...       1,00");
}

TEST_F(JournallisteTest, FourDigitNumbersFillTheirFieldAndFiveDigitsAreCut) {
    journal::journal_sichern();
    journal::TBuchung b;
    b.Datum = "01.01.2004";
    b.Konto[0] = "Kasse";
    b.Soll[0] = 1;
    std::string journal;
    for (int nr : {998, 999, 9999}) {
        b.Nr = nr;
        const journal::Satz satz = journal::als_satz(b);
        journal.append(reinterpret_cast<const char*>(satz.data()), satz.size());
    }
    verzeichnis.schreibe(journal::journaldatei, journal);
    const auto z = zeilen(liste());
    EXPECT_EQ(z[1].substr(0, 16), "999   01.01.2004");
    EXPECT_EQ(z[2].substr(0, 16), "1000 01.01.2004 ");
    EXPECT_EQ(z[2].size(), 105u);
    EXPECT_EQ(z[3].substr(0, 16), "10... 01.01.2004");
}

} // namespace
} // namespace saldino::reports
