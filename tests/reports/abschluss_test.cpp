#include "reports/abschluss.h"

#include "backup/aufgaben.h"
#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "journal/eingaberegeln.h"
#include "reports/bilanz.h"
#include "reports/kontensalden.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace saldino::reports {
namespace {

using test::buche;

const char* const ebk = "Eröffnungsbilanzkonto";

// A chart with every kind the closing recognises, numbered as charts 3 and 4.
const char* const voller_plan = "2600 Vorsteuer<B> A  B\r\n"
                                "2800 Bank<B> A  B\r\n"
                                "3000 Eigenkapital<B> P  B\r\n"
                                "3001 Privat<B> P  B\r\n"
                                "4800 Umsatzsteuer<B> P  B\r\n"
                                "6000 Aufwand<G> A  B\r\n"
                                "5000 Ertrag<G> E  B\r\n"
                                "Eröffnungsbilanzkonto<B> A  B\r\n";

struct Fall {
    const char* name;
    const char* plan;
    std::vector<std::vector<test::Buchungszeile>> journal;
    std::vector<std::string> buchungen; // "Soll an Haben Betrag"
    std::vector<std::string> entfallen; // the first words of each step left out
    double ergebnis;
    double eigenkapital_ende;
    double zahllast;
    double ueberhang;
};

std::string als_text(const Abschlussbuchung& b) {
    return runtime::cp1252_nach_utf8(b.soll + " an " + b.haben + " " +
                                     journal::betragstext(b.betrag));
}

class Abschlussfall : public ::testing::TestWithParam<Fall> {};

TEST_P(Abschlussfall, ClosesInTheTextbookOrder) {
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.schreibe("Kontenplan1.txt", runtime::utf8_nach_cp1252(GetParam().plan));
    journal::journal_sichern();
    for (const auto& zeilen : GetParam().journal) {
        journal::TBuchung b;
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            b.Konto[i] = runtime::utf8_nach_cp1252(std::get<0>(zeilen[i]));
            b.Soll[i] = std::get<1>(zeilen[i]);
            b.Haben[i] = std::get<2>(zeilen[i]);
        }
        journal::buchung_anhaengen(b);
    }
    const Abschluss ergebnis = abschluss(masterdata::Kontenplan(1));
    std::vector<std::string> buchungen;
    for (const Abschlussbuchung& b : ergebnis.buchungen) {
        buchungen.push_back(als_text(b));
    }
    EXPECT_EQ(buchungen, GetParam().buchungen);
    std::vector<std::string> entfallen;
    for (const std::string& grund : ergebnis.entfallen) {
        entfallen.push_back(runtime::cp1252_nach_utf8(grund).substr(0, 2));
    }
    EXPECT_EQ(entfallen, GetParam().entfallen);
    EXPECT_DOUBLE_EQ(ergebnis.ergebnis, GetParam().ergebnis);
    EXPECT_DOUBLE_EQ(ergebnis.eigenkapital_ende, GetParam().eigenkapital_ende);
    EXPECT_DOUBLE_EQ(ergebnis.zahllast, GetParam().zahllast);
    EXPECT_DOUBLE_EQ(ergebnis.vorsteuerueberhang, GetParam().ueberhang);
}

// The opening: Bank 1000 and Eigenkapital 1000.
const std::vector<test::Buchungszeile> bank_auf = {{"2800 Bank", 1000, 0}, {ebk, 0, 1000}};
const std::vector<test::Buchungszeile> ek_auf = {{ebk, 1000, 0}, {"3000 Eigenkapital", 0, 1000}};

INSTANTIATE_TEST_SUITE_P(
    Abschluss, Abschlussfall,
    ::testing::Values(
        Fall{"EmptyJournal", voller_plan, {}, {}, {}, 0, 0, 0, 0},
        Fall{"ProfitWithdrawalAndTaxPayable",
             voller_plan,
             {bank_auf,
              ek_auf,
              {{"2800 Bank", 1190, 0}, {"5000 Ertrag", 0, 1000}, {"4800 Umsatzsteuer", 0, 190}},
              {{"6000 Aufwand", 400, 0}, {"2600 Vorsteuer", 76, 0}, {"2800 Bank", 0, 476}},
              {{"3001 Privat", 300, 0}, {"2800 Bank", 0, 300}},
              {{"2800 Bank", 50, 0}, {"3001 Privat", 0, 50}}},
             {"3000 Eigenkapital an 3001 Privat 250,00",
              "4800 Umsatzsteuer an 2600 Vorsteuer 76,00", "GuV an 6000 Aufwand 400,00",
              "5000 Ertrag an GuV 1000,00", "GuV an 3000 Eigenkapital 600,00",
              "SBK an 2800 Bank 1464,00", "3000 Eigenkapital an SBK 1350,00",
              "4800 Umsatzsteuer an SBK 114,00"},
             {},
             600,
             1350,
             114,
             0},
        Fall{"LossContributionAndInputTaxSurplus",
             voller_plan,
             {bank_auf,
              ek_auf,
              {{"6000 Aufwand", 500, 0}, {"2600 Vorsteuer", 95, 0}, {"2800 Bank", 0, 595}},
              {{"2800 Bank", 238, 0}, {"5000 Ertrag", 0, 200}, {"4800 Umsatzsteuer", 0, 38}},
              {{"2800 Bank", 100, 0}, {"3001 Privat", 0, 100}}},
             {"3001 Privat an 3000 Eigenkapital 100,00",
              "4800 Umsatzsteuer an 2600 Vorsteuer 38,00", "GuV an 6000 Aufwand 500,00",
              "5000 Ertrag an GuV 200,00", "3000 Eigenkapital an GuV 300,00",
              "SBK an 2600 Vorsteuer 57,00", "SBK an 2800 Bank 743,00",
              "3000 Eigenkapital an SBK 800,00"},
             {},
             -300,
             800,
             0,
             57},
        Fall{"NoPrivatNoTaxesAndAZeroBalance",
             "Bank<B> A  B\r\nKasse<B> A  B\r\nEigenkapital<B> P  B\r\nMiete<G> A  B\r\n"
             "Eröffnungsbilanzkonto<B> A  B\r\n",
             {{{"Bank", 1000, 0}, {ebk, 0, 1000}},
              {{ebk, 1000, 0}, {"Eigenkapital", 0, 1000}},
              {{"Kasse", 20, 0}, {"Bank", 0, 20}},
              {{"Miete", 20, 0}, {"Kasse", 0, 20}}},
             {"GuV an Miete 20,00", "Eigenkapital an GuV 20,00", "SBK an Bank 980,00",
              "Eigenkapital an SBK 980,00"},
             {"1.", "2."},
             -20,
             980,
             0,
             0},
        Fall{"NoEquityAccount",
             "Bank<B> A  B\r\nDarlehen<B> P  B\r\nErtrag<G> E  B\r\n",
             {{{"Bank", 70, 0}, {"Ertrag", 0, 70}}},
             {"Ertrag an GuV 70,00", "SBK an Bank 70,00"},
             {"1.", "2.", "4."},
             70,
             0,
             0,
             0}),
    [](const ::testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

class GelieferteAufgabe : public ::testing::TestWithParam<int> {};

// For every supplied solution: the GuV balance is the profit of "Bilanz und
// GuV", and the two sides of the SBK agree.
TEST_P(GelieferteAufgabe, AgreesWithTheBalanceSheet) {
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.mit_daten();
    const backup::GeladeneSicherung geladen = backup::lade_sicherung(test::loesung(GetParam()), {});
    ASSERT_EQ(geladen.ungueltige_zeile, 0);
    const Abschluss ergebnis = abschluss(masterdata::Kontenplan(geladen.kontenplan_nr));
    double soll = 0;
    double haben = 0;
    for (const auto& [_, betrag] : ergebnis.sbk_soll) {
        soll += betrag;
    }
    for (const auto& [_, betrag] : ergebnis.sbk_haben) {
        haben += betrag;
    }
    EXPECT_EQ(journal::betragstext(soll), journal::betragstext(haben));
    const std::string bilanz = test::text_von([&](const Zeilenziel& ziel) {
        reports::bilanz({geladen.kontenplan_nr, {}, false}, ziel);
    });
    const std::string vortrag = "Gewinn-/Verlustvortrag";
    const std::size_t stelle = bilanz.find(vortrag);
    ASSERT_NE(stelle, std::string::npos);
    const std::string gewinn =
        bilanz.substr(stelle + vortrag.size(), bilanz.find('\n', stelle) - stelle - vortrag.size());
    EXPECT_EQ(gewinn.substr(gewinn.find_first_not_of(' ')),
              journal::betragstext(ergebnis.ergebnis));
}

// The figures the checklists of exercises 10 to 14 ask the pupil to read,
// from the program's own closing and balances of each solution.
struct Kennzahl {
    int aufgabe;
    const char* was; // "gewinn", "zahllast", "ek_ende", "sbk" or an account
    double wert;
};

TEST(GelieferteKennzahlen, AreWhatTheChecklistsSay) {
    for (const Kennzahl& k : std::vector<Kennzahl>{
             {10, "gewinn", 3450},
             {10, "zahllast", 552},
             {10, "2800 Bank", 44350},
             {10, "2600 Vorsteuer", 1368},
             {11, "6520 Abschreibungen auf Sachanl.", 14000},
             {11, "0840 Fuhrpark", 58000},
             {11, "0530 Betriebsgeb\xE4ude", 117000},
             {11, "gewinn", -14000},
             {12, "2900 Aktive Rechnungsabgrenzung", 2900},
             {12, "4900 Passive Rechnungsabgrenzung", 400},
             {12, "6900 Versicherungsbeitr\xE4ge", 300},
             {12, "5410 Mietertr\xE4ge", 200},
             {12, "6700 Mieten und Pachten", 1000},
             {12, "gewinn", -1100},
             {13, "gewinn", -8470},
             {13, "2800 Bank", 31530},
             {13, "6400 AG-Anteil Sozialversicherung", 1470},
             {13, "4830 Verbindlichkeiten Finanzamt", 0},
             {13, "4840 Verbindlichkeiten Sozialvers.", 0},
             {14, "zahllast", 3840},
             {14, "gewinn", 6900},
             {14, "ek_ende", 194400},
             {14, "sbk", 258240},
         }) {
        test::Arbeitsverzeichnis verzeichnis;
        verzeichnis.mit_daten();
        const backup::GeladeneSicherung geladen =
            backup::lade_sicherung(test::loesung(k.aufgabe), {});
        ASSERT_EQ(geladen.ungueltige_zeile, 0);
        const masterdata::Kontenplan plan(geladen.kontenplan_nr);
        const Abschluss ergebnis = abschluss(plan);
        const std::string was = k.was;
        double wert = 0;
        if (was == "gewinn") {
            wert = ergebnis.ergebnis;
        } else if (was == "zahllast") {
            wert = ergebnis.zahllast;
        } else if (was == "ek_ende") {
            wert = ergebnis.eigenkapital_ende;
        } else if (was == "sbk") {
            wert = summe(ergebnis.sbk_soll);
        } else {
            const Journalsummen summen = journalsummen(plan);
            const auto& konten = plan.konten();
            const auto stelle = std::find_if(konten.begin(), konten.end(), [&](const auto& konto) {
                return konto.bezeichnung == was;
            });
            ASSERT_NE(stelle, konten.end()) << was;
            const auto i = static_cast<std::size_t>(stelle - konten.begin());
            wert = kontowert(*stelle, summen.salden[i]);
        }
        EXPECT_EQ(journal::betragstext(wert), journal::betragstext(k.wert))
            << "Aufgabe " << k.aufgabe << ": " << was;
    }
}

INSTANTIATE_TEST_SUITE_P(Geliefert, GelieferteAufgabe,
                         ::testing::Range(1, test::gelieferte_aufgaben + 1), test::Zeilenname());

} // namespace
} // namespace saldino::reports
