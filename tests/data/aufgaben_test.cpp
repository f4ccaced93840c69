// The supplied exercises name their chart and only accounts of it.
#include "backup/aufgaben.h"
#include "backup/sicherung.h"
#include "masterdata/kontenplan.h"

#include "runtime/dateien.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <regex>
#include <vector>

namespace saldino::backup {
namespace {

class MitgelieferteAufgabe : public ::testing::TestWithParam<int> {};

TEST_P(MitgelieferteAufgabe, ExerciseNamesOnlyAccountsOfItsChart) {
    const std::string daten = SALDINO_DATA_DIR "/";
    const std::string n = std::to_string(GetParam());
    const std::string titel = runtime::cp1252_nach_utf8(
        test::Arbeitsverzeichnis::lies_datei(daten + "Aufgabe" + n + ".txt"));
    const std::string liste = runtime::cp1252_nach_utf8(
        test::Arbeitsverzeichnis::lies_datei(daten + "aufgabe" + n + ".txt"));
    ASSERT_FALSE(titel.empty());
    EXPECT_TRUE(liste.starts_with(titel)) << "the checklist begins with the title";
    EXPECT_TRUE(liste.ends_with("\r\n"));

    // Amounts and dates as the program reads them: no thousands points, every date with its year.
    EXPECT_FALSE(std::regex_search(liste, std::regex(R"(\d\.\d{3},\d\d)")));
    EXPECT_FALSE(std::regex_search(liste, std::regex(R"((^|[^\d.])\d\d\.\d\d\.($|[^\d]))")));

    const std::size_t stelle = liste.find("Kontenplan ");
    ASSERT_NE(stelle, std::string::npos) << "names its chart";
    const int kontenplan = liste[stelle + 11] - '0';
    ASSERT_GE(kontenplan, 1);
    ASSERT_LE(kontenplan, 4);

    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.mit_daten();
    const masterdata::Kontenplan plan(kontenplan);
    int genannt = 0;
    for (std::size_t auf = liste.find("„"); auf != std::string::npos;
         auf = liste.find("„", auf + 1)) {
        const std::size_t zu = liste.find("“", auf);
        ASSERT_NE(zu, std::string::npos);
        const std::string konto = liste.substr(auf + 3, zu - auf - 3);
        EXPECT_TRUE(plan.ist_konto(runtime::utf8_nach_cp1252(konto)))
            << konto << " in Kontenplan " << kontenplan;
        ++genannt;
    }
    EXPECT_GE(genannt, 4);
    const auto zeilen = runtime::teile_zeilen(liste);
    EXPECT_GE(zeilen.size(), 10u);
}

// Every exercise the program supplies: Aufgabe1.txt, Aufgabe2.txt, ... as long as there are any.
std::vector<int> aufgaben() {
    std::vector<int> nummern;
    for (int n = 1;
         std::filesystem::exists(SALDINO_DATA_DIR "/Aufgabe" + std::to_string(n) + ".txt"); ++n) {
        nummern.push_back(n);
    }
    return nummern;
}

INSTANTIATE_TEST_SUITE_P(Aufgaben, MitgelieferteAufgabe, ::testing::ValuesIn(aufgaben()),
                         test::Zeilenname());

// A teacher's exercise is saved only with a title and in characters the
// files can hold; it reads back as written, and the numbers from 10 on are
// given out in order.
TEST(EigeneAufgabe, IsCheckedWrittenAndReadBack) {
    for (const auto& [titel, punkt, fehler] : std::vector<std::array<std::string, 3>>{
             {"Aufgabe 15: Miete", "„Bank“ 100,00 €", ""},
             {"  ", "x", "Bitte gib der Aufgabe einen Titel."},
             {"Aufgabe 15", "Pfeil →",
              "Das Zeichen „→“ kann in einer Aufgabe nicht gespeichert werden."},
             {"Aufgabe 15 ✓", "",
              "Das Zeichen „✓“ kann in einer Aufgabe nicht gespeichert werden."},
         }) {
        EXPECT_EQ(aufgabe_pruefen({titel, {punkt}}).value_or(""), fehler) << titel << punkt;
    }
    test::Arbeitsverzeichnis verzeichnis;
    EXPECT_EQ(freie_aufgabennummer(), 10);
    schreibe_aufgabe(10, {"Aufgabe 10: Miete", {"„Bank“ 100,00 €", "", "Ende"}});
    EXPECT_EQ(verzeichnis.lies("Aufgabe10.txt"), "Aufgabe 10: Miete\r\n");
    EXPECT_EQ(verzeichnis.lies("aufgabe10.txt"), "Aufgabe 10: Miete\r\n\x84"
                                                 "Bank\x93 100,00 \x80\r\n\r\nEnde\r\n");
    const Aufgabentext gelesen = lies_aufgabe(10);
    EXPECT_EQ(gelesen.titel, "Aufgabe 10: Miete");
    EXPECT_EQ(gelesen.punkte, (std::vector<std::string>{"„Bank“ 100,00 €", "", "Ende"}));
    EXPECT_EQ(freie_aufgabennummer(), 11);
}

// What "Als Lösung speichern" shows of exercise 10's solution: the figures its
// checklist asks for.
TEST(EigeneAufgabe, KeyFiguresAreThoseTheChecklistNames) {
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.mit_daten();
    ASSERT_EQ(lade_sicherung(test::loesung(10), {}).ungueltige_zeile, 0);
    std::vector<std::string> zeilen;
    for (const std::string& zeile : kennzahlen(3, lies_aufgabenliste(10))) {
        zeilen.push_back(runtime::cp1252_nach_utf8(zeile));
    }
    EXPECT_EQ(zeilen,
              (std::vector<std::string>{
                  "Gewinn: 3450,00", "Summe des Schlussbilanzkontos: 252002,00", "Zahllast: 552,00",
                  "0530 Betriebsgebäude: 120000,00", "0840 Fuhrpark: 30000,00",
                  "0870 Büromöbel und Geschäftsausst.: 18000,00", "2280 Waren: 25000,00",
                  "2400 Forderungen a. LL: 12000,00", "2800 Bank: 44350,00", "2880 Kasse: 2652,00",
                  "3000 Eigenkapital: 188000,00", "4250 Langfristige Bankverbindlichk.: 40000,00",
                  "4400 Verbindlichkeiten a. LL: 20000,00", "6080 Aufwendungen für Waren: 8000,00",
                  "2600 Vorsteuer: 1368,00", "6081 Bezugskosten: 300,00",
                  "5100 Umsatzerlöse für Waren: 12000,00", "4800 Umsatzsteuer: 1920,00",
                  "6140 Ausgangsfrachten: 250,00"}));
}

} // namespace
} // namespace saldino::backup
