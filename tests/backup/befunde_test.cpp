#include "backup/befunde.h"

#include "runtime/text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace saldino::backup {
namespace {

// A booking written as "Waren 1000, Vorsteuer 190 an Verbindlichkeiten 1190",
// optionally with its date.
struct Satz {
    const char* text;
    const char* datum = "02.01.2004";
};

std::vector<Buchungszeile> seite_lesen(const std::string& text, bool soll) {
    std::vector<Buchungszeile> zeilen;
    std::istringstream posten(text);
    std::string eintrag;
    while (std::getline(posten, eintrag, ',')) {
        const std::size_t anfang = eintrag.find_first_not_of(' ');
        const std::size_t blank = eintrag.rfind(' ');
        std::string betrag = eintrag.substr(blank + 1);
        if (betrag.find(',') == std::string::npos) {
            betrag += ",00";
        }
        Buchungszeile zeile{runtime::utf8_nach_cp1252(eintrag.substr(anfang, blank - anfang)),
                            "0,00", "0,00"};
        (soll ? zeile.soll : zeile.haben) = betrag;
        zeilen.push_back(zeile);
    }
    return zeilen;
}

std::vector<VerglicheneBuchung> buchungen(const std::vector<Satz>& saetze, const char* grund) {
    std::vector<VerglicheneBuchung> ergebnis;
    for (const Satz& satz : saetze) {
        const std::string text = satz.text;
        const std::size_t an = text.find(" an ");
        VerglicheneBuchung buchung{
            {static_cast<std::int32_t>(ergebnis.size()) + 1, satz.datum, grund},
            seite_lesen(text.substr(0, an), true)};
        for (Buchungszeile& zeile : seite_lesen(text.substr(an + 4), false)) {
            buchung.zeilen.push_back(zeile);
        }
        ergebnis.push_back(buchung);
    }
    return ergebnis;
}

struct Fall {
    const char* name;
    std::vector<Satz> loesung; // the solution bookings no booking matched
    std::vector<Satz> journal; // the bookings that matched none
    // "L<n>: Nr. <a>, <b>: <text>" per finding, "Nr. <n>: nicht vorgesehen" per leftover.
    std::vector<std::string> erwartet;
};

class Befunde : public ::testing::TestWithParam<Fall> {};

TEST_P(Befunde, PairsEachBookingWithTheClosestSolutionBooking) {
    const Zuordnung zuordnung =
        ordne_zu(buchungen(GetParam().loesung, "L"), buchungen(GetParam().journal, "J"));
    std::vector<std::string> zeilen;
    for (const Befund& befund : zuordnung.befunde) {
        std::string zeile = "L" + std::to_string(befund.loesung.nummer) + ": ";
        for (std::size_t i = 0; i < befund.buchungen.size(); ++i) {
            zeile += (i == 0 ? "Nr. " : ", ") + std::to_string(befund.buchungen[i]);
        }
        zeilen.push_back(zeile + (befund.buchungen.empty() ? "" : ": ") +
                         runtime::cp1252_nach_utf8(befund.text));
    }
    for (const GepruefteBuchung& buchung : zuordnung.ueberzaehlig) {
        zeilen.push_back("Nr. " + std::to_string(buchung.nummer) + ": nicht vorgesehen");
    }
    EXPECT_EQ(zeilen, GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Arten, Befunde,
    ::testing::Values(
        Fall{"Swapped",
             {{"Kasse 200 an Bank 200"}},
             {{"Bank 200 an Kasse 200"}},
             {"L1: Nr. 1: Soll und Haben vertauscht"}},
        Fall{"SwappedCompound",
             {{"Mietaufwand 300 an Bank 250, Kasse 50"}},
             {{"Bank 250, Kasse 50 an Mietaufwand 300"}},
             {"L1: Nr. 1: Soll und Haben vertauscht"}},
        Fall{"WrongAccount",
             {{"Kasse 200 an Bank 200"}},
             {{"Kasse 200 an Verbindlichkeiten 200"}},
             {"L1: Nr. 1: falsches Konto: „Verbindlichkeiten“ statt „Bank“"}},
        Fall{"WrongAmountNamesTheFirstLineOfTheSolution",
             {{"Kasse 200 an Bank 200"}},
             {{"Bank 250 an Kasse 250", "03.01.2004"}, {"Kasse 250 an Bank 250"}},
             {"L1: Nr. 2: falscher Betrag bei „Kasse“: 250,00 statt 200,00",
              "Nr. 1: nicht vorgesehen"}},
        Fall{"WrongOpeningAmountNamesTheAccountTyped",
             {{"Eröffnungsbilanzkonto 152000 an Eigenkapital 152000"}},
             {{"Eröffnungsbilanzkonto 15200 an Eigenkapital 15200"}},
             {"L1: Nr. 1: falscher Betrag bei „Eigenkapital“: 15200,00 statt 152000,00"}},
        Fall{"ALineMissing",
             {{"Werbung 1000, Vorsteuer 160 an Bank 1160"}},
             {{"Werbung 1160 an Bank 1160"}},
             {"L1: Nr. 1: Zeile fehlt: Vorsteuer 160,00 im Soll"}},
        Fall{"ALineTooMany",
             {{"Kasse 200 an Bank 200"}},
             {{"Kasse 200, Vorsteuer 38 an Bank 238"}},
             {"L1: Nr. 1: Zeile zu viel: Vorsteuer 38,00 im Soll"}},
        Fall{"WrongAmountInACompoundBooking",
             {{"Mietaufwand 300 an Bank 250, Kasse 50"}},
             {{"Mietaufwand 300 an Bank 200, Kasse 100"}},
             {"L1: Nr. 1: falscher Betrag bei „Bank“: 200,00 statt 250,00"}},
        Fall{"SplitIntoSeveralBookings",
             {{"Waren 1000, Vorsteuer 190 an Verbindlichkeiten 1190"}},
             {{"Waren 1000 an Verbindlichkeiten 1000"},
              {"Miete 5 an Kasse 5"},
              {"Vorsteuer 190 an Verbindlichkeiten 190"}},
             {"L1: Nr. 1, 3: aufgeteilt: diese Buchungen ergeben zusammen die Buchung der Lösung",
              "Nr. 2: nicht vorgesehen"}},
        Fall{"SplitAmountsWinOverAWrongAmount",
             {{"Kasse 1000 an Bank 1000"}},
             {{"Kasse 600 an Bank 600"}, {"Kasse 400 an Bank 400"}},
             {"L1: Nr. 1, 2: aufgeteilt: diese Buchungen ergeben zusammen die Buchung der "
              "Lösung"}},
        Fall{"MissingAndNotProvidedFor",
             {{"Kasse 200 an Bank 200"}},
             {{"Mietaufwand 300 an Bank 250, Kasse 50"}},
             {"L1: Buchung fehlt", "Nr. 1: nicht vorgesehen"}},
        Fall{"OfTwoCandidatesTheOneOfTheSameDate",
             {{"Kasse 200 an Bank 200"}, {"Kasse 200 an Bank 200", "05.01.2004"}},
             {{"Bank 200 an Kasse 200", "05.01.2004"}},
             {"L1: Buchung fehlt", "L2: Nr. 1: Soll und Haben vertauscht"}},
        Fall{"OfTwoCandidatesOfTheSameDateTheFirst",
             {{"Kasse 200 an Bank 200"}, {"Kasse 200 an Bank 200"}},
             {{"Bank 200 an Kasse 200"}},
             {"L1: Nr. 1: Soll und Haben vertauscht", "L2: Buchung fehlt"}},
        Fall{"SwappedWinsOverAWrongAccount",
             {{"Kasse 200 an Verbindlichkeiten 200"}, {"Bank 200 an Kasse 200"}},
             {{"Kasse 200 an Bank 200"}},
             {"L1: Buchung fehlt", "L2: Nr. 1: Soll und Haben vertauscht"}},
        Fall{"EachSolutionBookingOnce",
             {{"Kasse 200 an Bank 200"}},
             {{"Bank 200 an Kasse 200"}, {"Bank 200 an Kasse 200"}},
             {"L1: Nr. 1: Soll und Haben vertauscht", "Nr. 2: nicht vorgesehen"}},
        Fall{"SwappedAndAnotherAmount",
             {{"Kasse 200 an Bank 200"}},
             {{"Bank 250 an Kasse 250"}},
             {"L1: Nr. 1: Soll und Haben vertauscht; falscher Betrag bei „Kasse“: 250,00 statt "
              "200,00"}},
        Fall{"SeveralAccountsWrong",
             {{"Fuhrpark 500 an Bank 500"}},
             {{"Maschinen 500 an Kasse 500"}},
             {"L1: Nr. 1: falsches Konto: „Maschinen“ statt „Fuhrpark“; falsches Konto: "
              "„Kasse“ statt „Bank“"}},
        Fall{"AnotherAccountAndAnotherAmountIsNoPair",
             {{"Kasse 200 an Bank 200"}},
             {{"Kasse 300 an Verbindlichkeiten 300"}},
             {"L1: Buchung fehlt", "Nr. 1: nicht vorgesehen"}},
        Fall{"AnExtraLineWithoutAmount",
             {{"Kasse 200 an Bank 200"}},
             {{"Kasse 200, Waren 0 an Bank 200"}},
             {"L1: Nr. 1: Zeile zu viel: Waren ohne Betrag"}},
        Fall{"TwoLinesMoreIsNoPair",
             {{"Kasse 200 an Bank 200"}},
             {{"Kasse 200, Waren 0, Miete 0 an Bank 200"}},
             {"L1: Buchung fehlt", "Nr. 1: nicht vorgesehen"}}),
    [](const ::testing::TestParamInfo<Fall>& info) { return info.param.name; });

TEST(Loesungsnaehe, KeepsOnlyBookingsThatCouldBeExplained) {
    const Loesungsnaehe naehe(buchungen(
        {{"Waren 1000, Vorsteuer 190 an Verbindlichkeiten 1190"}, {"Kasse 200 an Bank 200"}}, "L"));
    const auto passt = [&naehe](const char* satz) {
        return naehe.koennte_passen(buchungen({{satz}}, "J").front().zeilen);
    };
    EXPECT_TRUE(passt("Bank 999 an Kasse 999"));              // the accounts of one
    EXPECT_TRUE(passt("Fuhrpark 200 an Darlehen 200"));       // the amounts of one
    EXPECT_TRUE(passt("Darlehen 200 an Fuhrpark 200"));       // the same, exchanged
    EXPECT_TRUE(passt("Vorsteuer 7 an Verbindlichkeiten 7")); // a part of one
    EXPECT_FALSE(passt("Fuhrpark 300 an Darlehen 300"));
    EXPECT_FALSE(passt("Verbindlichkeiten 7 an Vorsteuer 7"));
}

} // namespace
} // namespace saldino::backup
