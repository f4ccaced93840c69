#include "backup/pruefung.h"

#include "backup/sicherung.h"
#include "journal/buchung.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"

#include <gtest/gtest.h>

namespace saldino::backup {
namespace {

using test::buche;

// A solution of three bookings on chart 1, then the pupil's journal made by
// each case from scratch.
class PruefungTest : public ::testing::Test {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        richtig_buchen();
        schreibe_sicherung("loesung.sdn", {}, 1);
        verzeichnis.schreibe(journal::journaldatei, "");
        werte.kontenplan_namen = {"Einfach", "Umfangreicher", "Handel", "Industrie"};
    }

    static void eroeffnung() {
        buche({{"Bank", 1000, 0}, {"Eröffnungsbilanzkonto", 0, 1000}}, "Eröffnungsbuchung");
    }
    static void barabhebung() {
        buche({{"Kasse", 200, 0}, {"Bank", 0, 200}}, "Barabhebung", "02.01.2004");
    }
    static void miete() {
        buche({{"Mietaufwand", 300, 0}, {"Bank", 0, 250}, {"Kasse", 0, 50}}, "Miete", "03.01.2004");
    }
    static void richtig_buchen() {
        eroeffnung();
        barabhebung();
        miete();
    }

    std::string pruefe_text(std::int32_t kontenplan = 1) {
        return test::text_von([&](const reports::Zeilenziel& ziel) {
            ergebnis = pruefe("loesung.sdn", kontenplan, werte, ziel);
        });
    }

    test::Arbeitsverzeichnis verzeichnis;
    masterdata::Einstellungen werte;
    Pruefergebnis ergebnis;
};

TEST_F(PruefungTest, AJournalEqualToTheSolutionIsAllRight) {
    richtig_buchen();
    EXPECT_EQ(pruefe_text(), "3 von 3 Buchungen richtig\n\nAlles richtig gebucht!\n");
    EXPECT_TRUE(ergebnis.alles_richtig());
}

TEST_F(PruefungTest, LineOrderPayerReasonAndDateDoNotMatterButAnotherDateIsNoted) {
    eroeffnung();
    buche({{"Bank", 0, 200}, {"Kasse", 200, 0}}, "Geld geholt", "09.09.2004", "ich");
    buche({{"Kasse", 0, 50}, {"Mietaufwand", 300, 0}, {"Bank", 0, 250}}, "", "03.01.2004");
    EXPECT_EQ(pruefe_text(), "3 von 3 Buchungen richtig\n\n"
                             "  02.01.2004   Barabhebung – Nr. 2: Datum 09.09.2004 statt "
                             "02.01.2004\n\n"
                             "Alles richtig gebucht!\n");
    EXPECT_TRUE(ergebnis.alles_richtig());
    EXPECT_EQ(ergebnis.anzahl(Befundart::datum_weicht_ab), 1);
}

TEST_F(PruefungTest, AMissingBookingIsNamedByItsReasonAndTheBalancesDiffer) {
    eroeffnung();
    miete();
    EXPECT_EQ(pruefe_text(), "2 von 3 Buchungen richtig\n\n"
                             "  02.01.2004   Barabhebung – Buchung fehlt\n\n"
                             "Diese Salden weichen von der Lösung ab:\n"
                             "Konto                                  dein Saldo      erwartet\n"
                             "Bank                                       750,00        550,00\n"
                             "Kasse                                      -50,00        150,00\n");
    EXPECT_FALSE(ergebnis.alles_richtig());
    EXPECT_EQ(ergebnis.anzahl(Befundart::fehlt), 1);
}

TEST_F(PruefungTest, SwappedDebitAndCreditIsNamedWithTheBooking) {
    eroeffnung();
    buche({{"Kasse", 0, 200}, {"Bank", 200, 0}}, "Barabhebung", "02.01.2004");
    miete();
    const std::string text = pruefe_text();
    EXPECT_TRUE(text.starts_with("2 von 3 Buchungen richtig\n\n"
                                 "  02.01.2004   Barabhebung – Nr. 2: Soll und Haben vertauscht\n\n"
                                 "Diese Salden weichen von der Lösung ab:\n"))
        << text;
    EXPECT_TRUE(ergebnis.ueberzaehlig.empty());
    EXPECT_FALSE(ergebnis.alles_richtig());
}

TEST_F(PruefungTest, TheSameBookingTwiceMatchesOnce) {
    richtig_buchen();
    miete();
    const std::string text = pruefe_text();
    EXPECT_TRUE(text.starts_with("3 von 3 Buchungen richtig\n\n"
                                 "  03.01.2004   Miete – Nr. 4: Buchung ist in der Lösung nicht "
                                 "vorgesehen\n\n"))
        << text;
    EXPECT_NE(text.find("Mietaufwand                                600,00        300,00\n"),
              std::string::npos)
        << text;
    EXPECT_FALSE(ergebnis.alles_richtig());
}

TEST_F(PruefungTest, OfTwoEqualSolutionBookingsTheOneOfTheSameDateIsMatched) {
    verzeichnis.schreibe(journal::journaldatei, "");
    richtig_buchen();
    barabhebung();
    buche({{"Kasse", 200, 0}, {"Bank", 0, 200}}, "Barabhebung", "05.01.2004");
    schreibe_sicherung("loesung.sdn", {}, 1);
    verzeichnis.schreibe(journal::journaldatei, "");
    richtig_buchen();
    buche({{"Kasse", 200, 0}, {"Bank", 0, 200}}, "zweite", "05.01.2004");
    const std::string text = pruefe_text();
    EXPECT_TRUE(text.starts_with("4 von 5 Buchungen richtig\n\n"
                                 "  02.01.2004   Barabhebung – Buchung fehlt\n\n"))
        << text;
}

TEST_F(PruefungTest, AnotherChartOnlyNamesTheChartTheExerciseNeeds) {
    richtig_buchen();
    EXPECT_EQ(pruefe_text(2), "Diese Aufgabe braucht den Kontenplan 1 („Einfach“). Bitte "
                              "wähle ihn zuerst aus.\n");
    EXPECT_FALSE(ergebnis.alles_richtig());
}

TEST_F(PruefungTest, WithoutChartNamesOnlyTheNumberIsGiven) {
    werte.kontenplan_namen = {};
    EXPECT_EQ(pruefe_text(0),
              "Diese Aufgabe braucht den Kontenplan 1. Bitte wähle ihn zuerst aus.\n");
}

TEST_F(PruefungTest, ADamagedSolutionIsReportedAndNothingCompared) {
    richtig_buchen();
    const std::string loesung = verzeichnis.lies("loesung.sdn");
    verzeichnis.schreibe("loesung.sdn", loesung + "kaputt\r\n");
    const std::string journal = verzeichnis.lies(journal::journaldatei);
    EXPECT_EQ(pruefe_text(), "");
    EXPECT_EQ(ergebnis.ungueltige_zeile, 5);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), journal);
    EXPECT_EQ(verzeichnis.lies("loesung.sdn"), loesung + "kaputt\r\n");
}

} // namespace
} // namespace saldino::backup
