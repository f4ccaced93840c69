#include "reports/journalliste.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

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

// A journal of 700 bookings over six blocks of 128 records, of one to five
// lines, some without any: what a view asks for, anywhere, is the listing's.
class JournalansichtTest : public JournallisteTest {
protected:
    void SetUp() override {
        journal::journal_sichern();
        for (int k = 0; k < 700; ++k) {
            journal::TBuchung b;
            b.Datum = "02.01.2004";
            b.Grund = "Buchung " + std::to_string(k);
            const int zeilen = k % 6; // 0 (no line at all) to 5
            for (int i = 0; i < zeilen; ++i) {
                b.Konto[static_cast<std::size_t>(i)] = "Konto " + std::to_string(i);
                (i % 2 == 0 ? b.Soll : b.Haben)[static_cast<std::size_t>(i)] = k + i;
            }
            journal::buchung_anhaengen(b);
        }
        erwartet = zeilen(liste());
    }

    static std::vector<std::string> stueck(const Journalansicht& ansicht, std::int64_t erste,
                                           std::int64_t menge) {
        std::vector<std::string> ergebnis;
        ansicht.zeilen(erste, menge, [&ergebnis](std::string_view zeile) {
            ergebnis.push_back(runtime::cp1252_nach_utf8(zeile));
        });
        return ergebnis;
    }

    std::vector<std::string> erwartet;
};

TEST_F(JournalansichtTest, GivesTheListingsLinesAnywhere) {
    const Journalansicht ansicht;
    ASSERT_EQ(ansicht.anzahl(), static_cast<std::int64_t>(erwartet.size()));
    EXPECT_EQ(ansicht.breite(), 106);
    const auto n = static_cast<std::int64_t>(erwartet.size());
    for (const auto& [erste, menge] : std::vector<std::pair<std::int64_t, std::int64_t>>{
             {0, 40}, {1, 1}, {n / 2 - 20, 40}, {300, 400}, {n - 40, 40}, {n - 1, 10}, {0, n}}) {
        const auto bis = std::min(n, erste + menge);
        EXPECT_EQ(stueck(ansicht, erste, menge),
                  std::vector<std::string>(erwartet.begin() + erste, erwartet.begin() + bis))
            << erste << "+" << menge;
    }
    EXPECT_TRUE(stueck(ansicht, n, 5).empty());
}

TEST_F(JournalansichtTest, KeepsTheJournalItCountedWhenItIsReplacedOrShrinks) {
    const Journalansicht ansicht;
    journal::loesche_buchung(1); // a new file by rename: the counted one stays readable
    EXPECT_EQ(stueck(ansicht, 1, 3),
              std::vector<std::string>(erwartet.begin() + 1, erwartet.begin() + 4));
    const Journalansicht danach;
    std::filesystem::resize_file(journal::journaldatei, 10 * journal::satzlaenge);
    const auto ende = stueck(danach, danach.anzahl() - 2, 2);
    EXPECT_EQ(ende, (std::vector<std::string>{"", ""}));
}

TEST_F(JournalansichtTest, EndsBeforeAnAmountThatCannotBeWrittenAndReportsIt) {
    buche({{"Kasse", 1, 0}, {"Bank", std::numeric_limits<double>::quiet_NaN(), 0}}, "kaputt");
    buche({{"Kasse", 1, 0}, {"Bank", 0, 1}}, "danach");
    const Journalansicht ansicht;
    EXPECT_EQ(ansicht.anzahl(), static_cast<std::int64_t>(erwartet.size()) + 1);
    EXPECT_EQ(stueck(ansicht, ansicht.anzahl() - 1, 1).front().substr(0, 4), "701 ");
    EXPECT_EQ(test::meldung_von([&] { ansicht.melde_fehler(); }),
              "'NAN' ist kein gültiger Gleitkommawert");
}

TEST(Textzeilen, HandsOutStretchesAndKnowsTheWidestLine) {
    Textzeilen text;
    for (const char* zeile : {"eins", "", "dreizehn", "vier"}) {
        text.anhaengen(zeile);
    }
    EXPECT_EQ(text.anzahl(), 4);
    EXPECT_EQ(text.breite(), 8);
    std::string gelesen;
    text.zeilen(1, 10, [&gelesen](std::string_view z) { gelesen += std::string(z) + '|'; });
    EXPECT_EQ(gelesen, "|dreizehn|vier|");
}

} // namespace
} // namespace saldino::reports
