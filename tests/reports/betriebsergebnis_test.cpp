#include "reports/betriebsergebnis.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

namespace saldino::reports {
namespace {

using test::buche;
using test::konto;
using test::strich;
using test::summe;

const std::string betrieb_kopf =
    "\n" + strich + "               Betriebsergebnis \n" + strich + "Soll\n" + strich;
const std::string neutral_kopf =
    "\n" + strich + "            Neutrales Ergebnis \n" + strich + "Soll\n" + strich;

class BetriebsergebnisTest : public ::testing::Test {
protected:
    void plan(const std::string& zeilen_utf8) {
        verzeichnis.schreibe("Kontenplan1.txt", runtime::utf8_nach_cp1252(zeilen_utf8));
    }

    std::string bericht() {
        return test::text_von(
            [this](const Zeilenziel& ziel) { meldung = betriebsergebnis(daten, ziel); });
    }

    // The operating statement alone, from its empty first line to its last separator.
    std::string betrieb() {
        const std::string text = bericht();
        const std::size_t anfang = text.find("\n\n") + 1;
        return text.substr(anfang, text.find("\n\n\n\n", anfang) - anfang + 1);
    }

    // The neutral statement alone.
    std::string neutral() {
        const std::string text = bericht();
        const std::size_t anfang = text.find("\n\n\n\n") + 4;
        return text.substr(anfang, text.rfind("\n\n\nf.d.R.") - anfang + 1);
    }

    test::Arbeitsverzeichnis verzeichnis;
    Berichtsdaten daten{1,
                        {"Muster GmbH", runtime::utf8_nach_cp1252("Hauptstraße 1"), "Musterstadt",
                         "Buchhalter", "Inhaber"},
                        false};
    std::optional<std::string> meldung;
};

TEST_F(BetriebsergebnisTest, TheWorkedExampleComesOutToTheLetter) {
    plan("Bank<B> A  B\r\nAufwand<G> A  B\r\nErtrag<G> E  B\r\nZinsertrag<G> E  N\r\n");
    buche({{"Bank", 500, 0}, {"Ertrag", 0, 500}});
    buche({{"Aufwand", 200, 0}, {"Bank", 0, 200}});
    buche({{"Bank", 50, 0}, {"Zinsertrag", 0, 50}});
    EXPECT_EQ(bericht(), test::Arbeitsverzeichnis::lies_datei(SALDINO_FIXTURES_DIR
                                                              "/betriebsergebnis_beispiel.txt"));
    EXPECT_EQ(BerechneGewinn(1), 300.0);
    EXPECT_EQ(BerechneNeutral(1), 50.0);
}

TEST_F(BetriebsergebnisTest, WithoutAChartOnlyTheHeadingIsBuiltAndAJournalErrorBuildsNothing) {
    daten.kontenplan_nr = 0;
    EXPECT_EQ(bericht(), "Betriebsergebnis der Muster GmbH\nHauptstraße 1\nMusterstadt\n");
    EXPECT_EQ(runtime::cp1252_nach_utf8(meldung.value()), "Du hast keinen Kontenplan ausgewählt!");
    daten.kontenplan_nr = 1;
    plan("Bank<B> A  B\r\n");
    std::string text = "alt";
    EXPECT_EQ(test::meldung_von([&] { text = bericht(); }), "Datei nicht gefunden");
    EXPECT_EQ(text, "alt");
}

TEST_F(BetriebsergebnisTest, ARevenueInDebitExcessShowsNegativeAndTheSidesBalance) {
    plan("Bank<B> A  B\r\nErtrag<G> E  B\r\n");
    buche({{"Ertrag", 30, 0}, {"Bank", 0, 30}});
    EXPECT_EQ(betrieb(), betrieb_kopf + strich + summe("Summe: ", "0,00") + strich + "Haben:\n" +
                             konto("Ertrag", "-30,00") + summe("Verlust:", "30,00") + strich +
                             summe("Summe: ", "0,00") + strich);
}

TEST_F(BetriebsergebnisTest, WithoutHAccountsAProfitShowsNowhereButALossDoes) {
    plan("Bank<B> A  B\r\nAufwand<G> A  B\r\nZins<G> A  N\r\n");
    buche({{"Aufwand", 0, 40}, {"Bank", 40, 0}});
    buche({{"Zins", 15, 0}, {"Bank", 0, 15}});
    EXPECT_EQ(betrieb(), betrieb_kopf + konto("Aufwand", "-40,00") + strich +
                             summe("Summe: ", "-40,00") + strich);
    EXPECT_EQ(neutral(), neutral_kopf + konto("Zins", "15,00") + summe("Verlust:", "15,00") +
                             strich + summe("Summe: ", "30,00") + strich);
}

TEST_F(BetriebsergebnisTest, AStatementWithoutAccountsOfItsMarkIsEmpty) {
    plan("Bank<B> A  B\r\nErtrag<G> E  B\r\n");
    buche({{"Bank", 10, 0}, {"Ertrag", 0, 10}});
    EXPECT_EQ(neutral(), neutral_kopf + strich + summe("Summe: ", "0,00") + strich);
}

TEST_F(BetriebsergebnisTest, AnSAccountAfterTheFirstHAccountStandsOnTheHabenSide) {
    plan("Ertrag<G> E  B\r\nAufwand<G> A  B\r\nBank<B> A  B\r\n");
    buche({{"Bank", 100, 0}, {"Ertrag", 0, 100}});
    buche({{"Aufwand", 60, 0}, {"Bank", 0, 60}});
    EXPECT_EQ(betrieb(), betrieb_kopf + summe("Gewinn:", "40,00") + strich +
                             summe("Summe: ", "40,00") + strich + "Haben:\n" +
                             konto("Ertrag", "100,00") + konto("Aufwand", "60,00") + strich +
                             summe("Summe: ", "160,00") + strich);
}

TEST_F(BetriebsergebnisTest, TheOpeningAccountCountsInAResultWhenMarkedButIsNeverListed) {
    plan("Bank<B> A  B\r\nEröffnungsbilanzkonto<G> E  N\r\nZinsertrag<G> E  N\r\n");
    buche({{"Bank", 80, 0}, {"Eröffnungsbilanzkonto", 0, 80}});
    daten.nullkonten_zeigen = true;
    EXPECT_EQ(BerechneNeutral(1), 80.0);
    EXPECT_EQ(neutral(), neutral_kopf + summe("Gewinn:", "80,00") + strich +
                             summe("Summe: ", "80,00") + strich + "Haben:\n" +
                             konto("Zinsertrag", "0,00") + strich + summe("Summe: ", "0,00") +
                             strich);
}

TEST_F(BetriebsergebnisTest, ADuplicateAccountIsListedTwiceButCountedOnce) {
    plan("Bank<B> A  B\r\nErtrag<G> E  B\r\nErtrag<G> E  B\r\n");
    buche({{"Bank", 25, 0}, {"Ertrag", 0, 25}});
    EXPECT_EQ(BerechneGewinn(1), 25.0);
    EXPECT_EQ(betrieb(), betrieb_kopf + summe("Gewinn:", "25,00") + strich +
                             summe("Summe: ", "25,00") + strich + "Haben:\n" +
                             konto("Ertrag", "25,00") + konto("Ertrag", "25,00") + strich +
                             summe("Summe: ", "50,00") + strich);
}

} // namespace
} // namespace saldino::reports
