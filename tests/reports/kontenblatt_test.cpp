#include "reports/kontenblatt.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

namespace saldino::reports {
namespace {

using test::buche;

const std::string kopf =
    "Nr.   Datum      Person                     Grund                          Betrag\n";

std::string eintrag(const std::string& nummer, const std::string& grund,
                    const std::string& betrag) {
    std::string zeile = nummer + std::string(nummer.size() < 4 ? 5 - nummer.size() : 0, ' ') +
                        " 01.01.2004 " + std::string(26, ' ') + " " + grund +
                        std::string(26 - grund.size(), ' ');
    return zeile + std::string(11 - betrag.size(), ' ') + betrag + "\n";
}

std::string schluss(const std::string& betrag) {
    return "      31.12.2004 selbst" + std::string(20, ' ') + " Schlussbestand" +
           std::string(12, ' ') + std::string(11 - betrag.size(), ' ') + betrag + "\n";
}

std::string summe(const std::string& betrag) {
    return "Summe:" + std::string(11 - betrag.size(), ' ') + betrag + "\n";
}

std::string blatt(const std::string& konto, const std::string& soll, const std::string& haben) {
    return "Kontenblatt für das Konto " + konto + "\n\nSoll:\n" + kopf + soll + "\nHaben:\n" +
           kopf + haben + "\n";
}

class KontenblattTest : public ::testing::Test {
protected:
    std::string sheet(const std::string& konto, std::int32_t jahr = 2004) {
        return test::text_von([&konto, jahr](const Zeilenziel& ziel) {
            kontenblatt(runtime::utf8_nach_cp1252(konto), ziel, jahr);
        });
    }

    test::Arbeitsverzeichnis verzeichnis;
};

TEST_F(KontenblattTest, TheSmallerSideGetsTheClosingBalance) {
    buche({{"Kasse", 500, 0}, {"Bank", 0, 500}}, "Einzahlung");
    buche({{"Waren", 120, 0}, {"Kasse", 0, 120}}, "Einkauf");
    EXPECT_EQ(sheet("Kasse"),
              blatt("Kasse", eintrag("1", "Einzahlung", "500,00") + summe("500,00"),
                    eintrag("2", "Einkauf", "120,00") + schluss("380,00") + summe("500,00")));
    EXPECT_EQ(sheet("Bank"), blatt("Bank", schluss("500,00") + summe("500,00"),
                                   eintrag("1", "Einzahlung", "500,00") + summe("500,00")));
    // Dated the last day of the booking year.
    EXPECT_NE(sheet("Bank", 2026).find("      31.12.2026 selbst"), std::string::npos);
}

TEST_F(KontenblattTest, AnAccountWithoutLinesHasTwoZeroTotals) {
    buche({{"Kasse", 5, 0}, {"Bank", 0, 5}});
    EXPECT_EQ(sheet("Waren"), blatt("Waren", summe("0,00"), summe("0,00")));
    EXPECT_EQ(kopf.size(), 82u);
}

TEST_F(KontenblattTest, AResidueGivesAClosingLineOfZero) {
    buche({{"Kasse", 0.10, 0}, {"Kasse", 0.20, 0}, {"Bank", 0, 0.30}}, "a");
    buche({{"Bank", 0.30, 0}, {"Kasse", 0, 0.30}}, "b");
    EXPECT_EQ(sheet("Kasse"),
              blatt("Kasse", eintrag("1", "a", "0,10") + eintrag("1", "a", "0,20") + summe("0,30"),
                    eintrag("2", "b", "0,30") + schluss("0,00") + summe("0,30")));
}

TEST_F(KontenblattTest, BothSidesOfOneLineGiveAnEntryEach) {
    buche({{"Kasse", 7, 3}, {"Bank", 0, 4}}, "beides");
    EXPECT_EQ(sheet("Kasse"),
              blatt("Kasse", eintrag("1", "beides", "7,00") + summe("7,00"),
                    eintrag("1", "beides", "3,00") + schluss("4,00") + summe("7,00")));
}

TEST_F(KontenblattTest, NamesMatchExactlyTrailingBlankIncluded) {
    buche({{"Kasse ", 9, 0}, {"Kasse", 0, 9}}, "x");
    EXPECT_EQ(sheet("Kasse "), blatt("Kasse ", eintrag("1", "x", "9,00") + summe("9,00"),
                                     schluss("9,00") + summe("9,00")));
}

TEST_F(KontenblattTest, NumberThousandFillsItsField) {
    journal::journal_sichern();
    journal::TBuchung b;
    b.Nr = 999;
    b.Datum = "01.01.2004";
    b.Grund = "t";
    b.Konto[0] = "Kasse";
    b.Soll[0] = 1;
    const journal::Satz satz = journal::als_satz(b);
    verzeichnis.schreibe(journal::journaldatei,
                         std::string(reinterpret_cast<const char*>(satz.data()), satz.size()));
    EXPECT_EQ(sheet("Kasse"), blatt("Kasse", eintrag("1000", "t", "1,00") + summe("1,00"),
                                    schluss("1,00") + summe("1,00")));
}

// One side of a T line: the name in 21 columns, the amount in 12.
std::string t_seite(const std::string& name = "", const std::string& betrag = "") {
    return name + std::string(21 - name.size(), ' ') + std::string(12 - betrag.size(), ' ') +
           betrag;
}

TEST_F(KontenblattTest, TheTShowsCounterAccountsAndTheBalanceOnTheSmallerSide) {
    buche({{"Kasse", 500, 0}, {"Bank", 0, 500}}, "Einzahlung");
    buche({{"Waren", 100, 0}, {"Vorsteuer", 19, 0}, {"Kasse", 0, 119}}, "Einkauf");
    buche({{"Kasse", 5, 5}}, "beides");
    const std::string strich(69, '-');
    EXPECT_EQ(test::text_von([](const Zeilenziel& ziel) { t_kontenblatt("Kasse", ziel); }),
              "Kontenblatt für das Konto Kasse\n\nSoll" + std::string(27, ' ') + "Kasse" +
                  std::string(28, ' ') + "Haben\n" + strich + "\n" + t_seite("1 Bank", "500,00") +
                  " | " + t_seite("2 Verschiedene", "119,00") + "\n" + t_seite("3 beides", "5,00") +
                  " | " + t_seite("3 beides", "5,00") + "\n" + t_seite() + " | " +
                  t_seite("Schlussbestand", "381,00") + "\n" + strich + "\n" +
                  t_seite("", "505,00") + " | " + t_seite("", "505,00") + "\n\n");
    // A name longer than the heading's room is cut, not a crash.
    EXPECT_EQ(test::text_von([](const Zeilenziel& ziel) {
                  t_kontenblatt(std::string(80, 'K'), ziel);
              }).find("Soll K"),
              std::string::npos);
}

TEST_F(KontenblattTest, AMissingJournalLeavesTheTitle) {
    std::string text;
    EXPECT_EQ(test::meldung_von([&] {
                  kontenblatt(
                      "Kasse", [&text](std::string_view zeile) { text.append(zeile); }, 2004);
              }),
              "Datei nicht gefunden");
    EXPECT_EQ(runtime::cp1252_nach_utf8(text), "Kontenblatt für das Konto Kasse");
}

} // namespace
} // namespace saldino::reports
