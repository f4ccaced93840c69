#include "journal/buchungspruefung.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/fehler.h"
#include "runtime/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace saldino::journal {
namespace {

using Zeile = std::tuple<const char*, double, double>; // account (UTF-8), debit, credit

struct Fall {
    const char* name;
    std::int32_t kontenplan_nr;
    std::vector<Zeile> zeilen;
    Buchungsfehler erwartet;
};

class Buchungssatzpruefung : public ::testing::TestWithParam<Fall> {
protected:
    void SetUp() override { verzeichnis.mit_daten(); }
    test::Arbeitsverzeichnis verzeichnis;
};

TEST_P(Buchungssatzpruefung, FindsTheFirstBrokenRule) {
    TBuchung buchung;
    std::size_t i = 0;
    for (const auto& [konto, soll, haben] : GetParam().zeilen) {
        buchung.Konto[i] = runtime::utf8_nach_cp1252(konto);
        buchung.Soll[i] = soll;
        buchung.Haben[i] = haben;
        ++i;
    }
    EXPECT_EQ(pruefe_buchungssatz(buchung, GetParam().kontenplan_nr), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Regeln, Buchungssatzpruefung,
    ::testing::Values(
        Fall{"Balanced", 1, {{"Kasse", 200, 0}, {"Bank", 0, 200}}, Buchungsfehler::keiner},
        Fall{"Compound",
             1,
             {{"Mietaufwand", 300, 0}, {"Bank", 0, 250}, {"Kasse", 0, 50}},
             Buchungsfehler::keiner},
        Fall{"FiveLines",
             1,
             {{"Kasse", 1, 0},
              {"Bank", 2, 0},
              {"Mietaufwand", 3, 0},
              {"Kasse", 0, 4},
              {"Eigenkapital", 0, 2}},
             Buchungsfehler::keiner},
        Fall{"EqualToTheCent",
             1,
             {{"Kasse", 0.1 + 0.2, 0}, {"Bank", 0, 0.3}},
             Buchungsfehler::keiner},
        Fall{"RoundedHalfToEvenAlike",
             1,
             {{"Kasse", 100.004, 0}, {"Bank", 0, 100}},
             Buchungsfehler::keiner},
        Fall{"NegativeAmounts", 1, {{"Kasse", -50, 0}, {"Bank", 0, -50}}, Buchungsfehler::keiner},
        Fall{"UnknownAccountWithoutAmount",
             1,
             {{"Kasse", 10, 0}, {"Bank", 0, 10}, {"Gibt es nicht", 0, 0}},
             Buchungsfehler::keiner},
        Fall{"OneCentApart",
             1,
             {{"Kasse", 100.01, 0}, {"Bank", 0, 100}},
             Buchungsfehler::soll_ungleich_haben},
        Fall{"OneSideOnly", 1, {{"Kasse", 100, 0}}, Buchungsfehler::soll_ungleich_haben},
        Fall{"Zero", 1, {{"Kasse", 0, 0}, {"Bank", 0, 0}}, Buchungsfehler::null_euro},
        Fall{"BelowHalfACent",
             1,
             {{"Kasse", 0.004, 0}, {"Bank", 0, 0.001}},
             Buchungsfehler::null_euro},
        Fall{"UnknownAccount",
             1,
             {{"Kasse", 10, 0}, {"Kase", 0, 10}},
             Buchungsfehler::konto_nicht_gefunden},
        Fall{"NamesAreCaseSensitive",
             1,
             {{"kasse", 10, 0}, {"Bank", 0, 10}},
             Buchungsfehler::konto_nicht_gefunden},
        Fall{"TrailingBlankCounts",
             1,
             {{"Kasse ", 10, 0}, {"Bank", 0, 10}},
             Buchungsfehler::konto_nicht_gefunden},
        Fall{"EmptyAccountWithAmount",
             1,
             {{"Kasse", 10, 0}, {"", 0, 10}},
             Buchungsfehler::konto_nicht_gefunden},
        Fall{"AccountComesBeforeTheTotals",
             1,
             {{"Kase", 10, 0}},
             Buchungsfehler::konto_nicht_gefunden},
        Fall{"NoChartWithAnAmount",
             0,
             {{"Kasse", 10, 0}, {"Bank", 0, 10}},
             Buchungsfehler::kein_kontenplan},
        Fall{"NoChartWithoutAnyAmount", 0, {{"Kasse", 0, 0}}, Buchungsfehler::null_euro}),
    [](const ::testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

TEST(Buchungssatzmeldung, EveryBrokenRuleHasItsMessage) {
    EXPECT_EQ(meldung(Buchungsfehler::keiner), "");
    EXPECT_EQ(meldung(Buchungsfehler::kein_kontenplan), "Du hast keinen Kontenplan ausgewählt!");
    EXPECT_EQ(meldung(Buchungsfehler::konto_nicht_gefunden), "Konto nicht gefunden!");
    EXPECT_EQ(meldung(Buchungsfehler::soll_ungleich_haben),
              "Soll und Haben muss stets gleich groß sein!");
    EXPECT_EQ(meldung(Buchungsfehler::null_euro), "Null Euro werden nicht gebucht!");
}

TEST(Buchungssatzmeldung, AMissingChartFileIsAFileError) {
    test::Arbeitsverzeichnis leer;
    TBuchung buchung;
    buchung.Konto[0] = "Kasse";
    buchung.Soll[0] = 1;
    EXPECT_EQ(test::meldung_von([&] { pruefe_buchungssatz(buchung, 1); }), "Datei nicht gefunden");
}

struct SummenFall {
    const char* name;
    Betragsfelder soll;
    Betragsfelder haben;
    const char* summe_soll;
    const char* summe_haben;
    const char* differenz;
    std::vector<std::size_t> unlesbar_soll; // marked fields
};

class Formularsummen_ : public ::testing::TestWithParam<SummenFall> {};

TEST_P(Formularsummen_, AddsWhatIsTypedByTheAmountRule) {
    const SummenFall& fall = GetParam();
    const Formularsummen summen = formularsummen(fall.soll, fall.haben);
    EXPECT_EQ(summen.soll, fall.summe_soll);
    EXPECT_EQ(summen.haben, fall.summe_haben);
    EXPECT_EQ(summen.differenz, fall.differenz);
    EXPECT_EQ(summen.ausgeglichen, std::string(fall.differenz) == "0,00");
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        const bool erwartet = std::find(fall.unlesbar_soll.begin(), fall.unlesbar_soll.end(), i) !=
                              fall.unlesbar_soll.end();
        EXPECT_EQ(summen.soll_unlesbar[i], erwartet) << i;
        EXPECT_FALSE(summen.haben_unlesbar[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formular, Formularsummen_,
    ::testing::Values(
        SummenFall{"Empty", {}, {}, "0,00", "0,00", "0,00", {}},
        SummenFall{"Balanced",
                   {"0,10", "0,2"},
                   {"", "", "0,30", "0,00", "0,00"},
                   "0,30",
                   "0,30",
                   "0,00",
                   {}},
        SummenFall{
            "RoundedPerFieldHalfToEven", {"0,125", "0,125"}, {"0,25"}, "0,24", "0,25", "-0,01", {}},
        SummenFall{"CreditMissing", {"1000"}, {}, "1000,00", "0,00", "1000,00", {}},
        SummenFall{"UnreadableCountsZeroAndIsMarked",
                   {"80.00.00", "12", "x", "", " 3 "},
                   {"15"},
                   "15,00",
                   "15,00",
                   "0,00",
                   {0, 2}},
        SummenFall{"TooLargeIsMarked", {"1e20", "5"}, {"5"}, "5,00", "5,00", "0,00", {0}},
        SummenFall{"Negative", {"-50"}, {"-50"}, "-50,00", "-50,00", "0,00", {}}),
    [](const ::testing::TestParamInfo<SummenFall>& info) { return std::string(info.param.name); });

} // namespace
} // namespace saldino::journal
