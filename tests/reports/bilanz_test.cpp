#include "reports/abschluss.h"
#include "reports/bilanz.h"

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

const std::string ebk = "Eröffnungsbilanzkonto";

class BilanzTest : public ::testing::Test {
protected:
    void plan(const std::string& zeilen_utf8) {
        verzeichnis.schreibe("Kontenplan1.txt", runtime::utf8_nach_cp1252(zeilen_utf8));
    }

    std::string bericht() {
        return test::text_von([this](const Zeilenziel& ziel) { meldung = bilanz(daten, ziel); });
    }

    // The report without its heading block and signature block.
    std::string rumpf() {
        const std::string text = bericht();
        const std::size_t anfang = text.find("Aktiva\n");
        const std::size_t ende = text.rfind("\n\n\nf.d.R.");
        return text.substr(anfang, ende - anfang + 1);
    }

    test::Arbeitsverzeichnis verzeichnis;
    Berichtsdaten daten{1,
                        {"Muster GmbH", runtime::utf8_nach_cp1252("Hauptstraße 1"), "Musterstadt",
                         "Buchhalter", "Inhaber"},
                        false};
    std::optional<std::string> meldung;
};

TEST_F(BilanzTest, TheWorkedExampleComesOutToTheLetter) {
    plan("Bank<B> A  B\r\nEigenkapital<B> P  B\r\nAufwand<G> A  B\r\nErtrag<G> E  B\r\n");
    buche({{"Bank", 600, 0}, {ebk, 0, 600}});
    buche({{ebk, 600, 0}, {"Eigenkapital", 0, 600}});
    buche({{"Bank", 500, 0}, {"Ertrag", 0, 500}});
    buche({{"Aufwand", 200, 0}, {"Bank", 0, 200}});
    EXPECT_EQ(bericht(),
              test::Arbeitsverzeichnis::lies_datei(SALDINO_FIXTURES_DIR "/bilanz_beispiel.txt"));
    EXPECT_FALSE(meldung);
}

// An opening that does not balance leaves its difference on the
// Eröffnungsbilanzkonto: the balance sheet and the closing say so above the
// report, which stays as it is.
TEST_F(BilanzTest, AnUnbalancedOpeningIsNamedAboveTheReport) {
    plan("Bank<B> A  B\r\nEigenkapital<B> P  B\r\nEröffnungsbilanzkonto<B> A  B\r\n");
    buche({{"Bank", 600, 0}, {ebk, 0, 600}});
    buche({{ebk, 600, 0}, {"Eigenkapital", 0, 600}});
    for (const auto& [soll, differenz] : {std::pair{0.0, ""}, std::pair{540.0, "540,00"}}) {
        if (soll > 0) {
            buche({{"Bank", soll, 0}, {ebk, 0, soll}});
        }
        std::string hinweis = "alt";
        const std::string text = test::text_von(
            [&](const Zeilenziel& ziel) { meldung = bilanz(daten, ziel, &hinweis); });
        EXPECT_EQ(text, bericht());
        std::string beim_abschluss = "alt";
        test::text_von(
            [&](const Zeilenziel& ziel) { abschlussbericht(daten, ziel, &beim_abschluss); });
        const std::string erwartet =
            soll > 0
                ? "Die Eröffnungsbilanz ist nicht ausgeglichen (Differenz " +
                      std::string(differenz) + "). Gewinn und Summen enthalten diese Differenz."
                : "";
        EXPECT_EQ(hinweis, erwartet);
        EXPECT_EQ(beim_abschluss, erwartet);
    }
}

TEST_F(BilanzTest, WithoutAChartOnlyTheHeadingIsBuilt) {
    daten.kontenplan_nr = 0;
    daten.firma.name = "Firma";
    EXPECT_EQ(bericht(), "Bilanz der Firma\nHauptstraße 1\nMusterstadt\n");
    EXPECT_EQ(runtime::cp1252_nach_utf8(meldung.value()), "Du hast keinen Kontenplan ausgewählt!");
}

TEST_F(BilanzTest, AMissingJournalFailsAfterTheHeading) {
    plan("Bank<B> A  B\r\n");
    std::string text;
    EXPECT_EQ(test::meldung_von([&] { text = bericht(); }), "Datei nicht gefunden");
}

TEST_F(BilanzTest, LiabilitiesAndRevenuesInDebitExcessCountNegative) {
    plan("Bank<B> A  B\r\nDarlehen<B> P  B\r\nAufwand<G> A  B\r\nErtrag<G> E  B\r\n");
    buche({{"Darlehen", 100, 0}, {"Bank", 0, 100}});
    buche({{"Ertrag", 30, 0}, {"Bank", 0, 30}});
    EXPECT_EQ(rumpf(),
              "Aktiva\n" + strich + konto("Bank", "-130,00") + strich +
                  summe("Summe: ", "-130,00") + strich + "Passiva:\n" +
                  konto("Darlehen", "-100,00") + summe("Gewinn-/Verlustvortrag", "-30,00") +
                  strich + summe("Summe: ", "-130,00") + strich + " \n" + std::string(21, ' ') +
                  "GuV" + std::string(21, ' ') + "\n" + strich + "Soll:\n" + strich +
                  summe("Summe: ", "0,00") + strich + "Haben:\n" + konto("Ertrag", "-30,00") +
                  summe("Verlust:", "30,00") + strich + summe("Summe: ", "0,00") + strich);
}

TEST_F(BilanzTest, ZeroAccountsShowOnlyWithTheSwitchButAlwaysOpenTheirSection) {
    plan("Kasse<B> A  B\r\nBank<B> A  B\r\nEigenkapital<B> P  B\r\nMiete<G> A  B\r\nErtrag<G> E  "
         "B\r\n");
    buche({{"Kasse", 50, 0}, {"Eigenkapital", 0, 50}});
    buche({{"Bank", 0.001, 0}, {"Eigenkapital", 0, 0.001}});
    const std::string ohne = rumpf();
    EXPECT_EQ(ohne.find("Miete"), std::string::npos);
    EXPECT_NE(ohne.find(konto("Bank", "0,00")), std::string::npos); // not exactly 0: always shown
    EXPECT_NE(ohne.find("Soll:\n" + strich), std::string::npos);    // the GuV still begins
    daten.nullkonten_zeigen = true;
    const std::string mit = rumpf();
    EXPECT_NE(mit.find("Soll:\n" + konto("Miete", "0,00")), std::string::npos);
    EXPECT_NE(mit.find("Haben:\n" + konto("Ertrag", "0,00")), std::string::npos);
}

TEST_F(BilanzTest, TheOpeningAccountNeverShowsNorCounts) {
    plan("Bank<B> A  B\r\n" + ebk + "<B> A  B\r\nEigenkapital<B> P  B\r\n");
    buche({{"Bank", 70, 0}, {ebk, 0, 70}});
    buche({{ebk, 70, 0}, {"Eigenkapital", 0, 70}});
    daten.nullkonten_zeigen = true;
    const std::string text = rumpf();
    EXPECT_EQ(text.find("Eröffnungsbilanzkonto"), std::string::npos);
    EXPECT_EQ(text, "Aktiva\n" + strich + konto("Bank", "70,00") + strich +
                        summe("Summe: ", "70,00") + strich + "Passiva:\n" +
                        konto("Eigenkapital", "70,00") + strich + summe("Summe: ", "70,00") +
                        strich);
}

TEST_F(BilanzTest, APassiveFirstLineLeavesAktivaEmptyAndWithoutSAccountsThereIsNoResult) {
    plan("Eigenkapital<B> P  B\r\nBank<B> A  B\r\nErtrag<G> E  B\r\n");
    buche({{"Bank", 10, 0}, {"Ertrag", 0, 10}});
    EXPECT_EQ(rumpf(), "Aktiva\n" + strich + strich + summe("Summe: ", "0,00") + strich +
                           "Passiva:\n" + konto("Bank", "10,00") + " \n" + std::string(21, ' ') +
                           "GuV" + std::string(21, ' ') + "\n" + strich + "Soll:\n" +
                           konto("Ertrag", "10,00") + strich + summe("Summe: ", "20,00") + strich);
}

TEST_F(BilanzTest, WithoutHAccountsALossStillGetsItsLine) {
    plan("Bank<B> A  B\r\nEigenkapital<B> P  B\r\nAufwand<G> A  B\r\n");
    buche({{"Bank", 100, 0}, {"Eigenkapital", 0, 100}});
    buche({{"Aufwand", 40, 0}, {"Bank", 0, 40}});
    const std::string text = rumpf();
    EXPECT_EQ(text.find("Haben:"), std::string::npos);
    EXPECT_EQ(text.find("Gewinn:"), std::string::npos);
    EXPECT_TRUE(text.ends_with(konto("Aufwand", "40,00") + summe("Verlust:", "40,00") + strich +
                               summe("Summe: ", "80,00") + strich))
        << text;
}

TEST_F(BilanzTest, ADuplicateAccountShowsAndCountsTwice) {
    plan("Bank<B> A  B\r\nBank<B> A  B\r\nEigenkapital<B> P  B\r\n");
    buche({{"Bank", 25, 0}, {"Eigenkapital", 0, 25}});
    EXPECT_EQ(rumpf(), "Aktiva\n" + strich + konto("Bank", "25,00") + konto("Bank", "25,00") +
                           strich + summe("Summe: ", "50,00") + strich + "Passiva:\n" +
                           konto("Eigenkapital", "25,00") + strich + summe("Summe: ", "25,00") +
                           strich);
}

TEST_F(BilanzTest, ALongNamePushesItsAmountRight) {
    const std::string lang = "Betriebs- und Geschäftsausstattung mit Zubehör";
    plan(lang + "<B> A  B\r\nEigenkapital<B> P  B\r\n");
    buche({{lang, 5, 0}, {"Eigenkapital", 0, 5}});
    EXPECT_NE(rumpf().find(lang + "      5,00\n"), std::string::npos);
}

} // namespace
} // namespace saldino::reports
