// The supplied solutions: each a valid backup of the chart its exercise
// names, every booking balanced on accounts of that chart, and checked
// against itself all right.
#include "backup/aufgaben.h"
#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "runtime/dateien.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::backup {
namespace {

class Loesungen : public ::testing::TestWithParam<int> {};

TEST_P(Loesungen, IsAValidBackupOfItsExercisesChartThatBalances) {
    const int n = GetParam();
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.mit_daten();
    const std::string titel = runtime::lies_ganz(titeldatei(n));
    const std::size_t stelle = titel.find("(Kontenplan ");
    ASSERT_NE(stelle, std::string::npos);
    const int kontenplan = titel[stelle + 12] - '0';

    Sicherungsleser leser(test::loesung(n));
    EXPECT_EQ(leser.kontenplan_nr(), kontenplan);
    const masterdata::Kontenplan plan(kontenplan);
    journal::Satzfelder buchung;
    int buchungen = 0;
    while (leser.naechste(buchung)) {
        ++buchungen;
        double soll = 0;
        double haben = 0;
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            if (buchung.Konto[i].empty()) {
                EXPECT_EQ(buchung.Soll[i] + buchung.Haben[i], 0) << "booking " << buchungen;
                continue;
            }
            EXPECT_TRUE(plan.ist_konto(buchung.Konto[i])) << buchung.Konto[i];
            soll += buchung.Soll[i];
            haben += buchung.Haben[i];
        }
        EXPECT_GT(soll, 0) << "booking " << buchungen;
        EXPECT_EQ(journal::betragstext(soll), journal::betragstext(haben))
            << "booking " << buchungen;
        EXPECT_EQ(buchung.Nr, buchungen - 1);
    }
    EXPECT_GE(buchungen, 10);

    const GeladeneSicherung geladen = lade_sicherung(test::loesung(n), {});
    EXPECT_EQ(geladen.ungueltige_zeile, 0);
    EXPECT_EQ(geladen.buchungen, buchungen);
    const Pruefergebnis pruefung =
        pruefe(test::loesung(n), kontenplan, {}, [](std::string_view) {});
    EXPECT_TRUE(pruefung.alles_richtig());
}

// A pupil who exchanged debit and credit in the last booking is told so,
// about that booking.
TEST_P(Loesungen, ASwappedBookingIsNamed) {
    const int n = GetParam();
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.mit_daten();
    const GeladeneSicherung geladen = lade_sicherung(test::loesung(n), {});
    journal::TBuchung letzte = journal::lies_buchung(geladen.buchungen);
    std::swap(letzte.Soll, letzte.Haben);
    journal::buchung_ueberschreiben(geladen.buchungen, letzte);

    std::string text;
    const Pruefergebnis pruefung =
        pruefe(test::loesung(n), geladen.kontenplan_nr, {}, [&text](std::string_view zeile) {
            text += zeile;
            text += '\n';
        });
    const std::string erwartet =
        "Nr. " + std::to_string(geladen.buchungen) + ": Soll und Haben vertauscht\n";
    EXPECT_NE(text.find(std::string(letzte.Grund) + " \x96 " + erwartet), std::string::npos)
        << text;
    EXPECT_EQ(pruefung.richtig, geladen.buchungen - 1);
    EXPECT_EQ(pruefung.anzahl(Befundart::vertauscht), 1);
    EXPECT_FALSE(pruefung.alles_richtig());
}

INSTANTIATE_TEST_SUITE_P(Geliefert, Loesungen, ::testing::Range(1, test::gelieferte_aufgaben + 1),
                         test::Zeilenname());

} // namespace
} // namespace saldino::backup
