#include "masterdata/kontenplan.h"

#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/fehler.h"
#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::masterdata {
namespace {

struct Zeilenfall {
    std::string zeile;
    TKonto konto;
};

void PrintTo(const Zeilenfall& fall, std::ostream* aus) {
    *aus << '"' << fall.zeile << '"';
}

class WerteAus : public ::testing::TestWithParam<Zeilenfall> {};

TEST_P(WerteAus, ClassifiesTheLine) {
    TKonto konto;
    ASSERT_TRUE(werte_aus(GetParam().zeile, konto));
    EXPECT_EQ(konto, GetParam().konto);
}

const std::string name70 = std::string(70, 'n');

INSTANTIATE_TEST_SUITE_P(
    Kontenplan, WerteAus,
    ::testing::Values(Zeilenfall{"Kasse<B> A  B", {"Kasse", "*", "", "A", ""}},
                      Zeilenfall{"Darlehen<B> P  B", {"Darlehen", "*", "", "P", ""}},
                      Zeilenfall{"Kasse<B> A  N", {"Kasse", "*", "", "A", "Fehler!"}},
                      Zeilenfall{"Kasse<B>", {"Kasse", "*", "", "H", "N"}},
                      Zeilenfall{"Mietaufwand<G> A  B", {"Mietaufwand", "", "*", "S", "B"}},
                      Zeilenfall{"Zinsertrag<G> E  N", {"Zinsertrag", "", "*", "H", "N"}},
                      Zeilenfall{"Wagnis<V> A  B", {"Wagnis", "***", "***", "H", "N"}},
                      Zeilenfall{"Wagnis<V>", {"Wagnis", "***", "***", "H", "N"}},
                      Zeilenfall{"Ertrag<G>", {"Ertrag", "", "*", "H", "N"}},
                      Zeilenfall{"Kasse <B> A  B", {"Kasse ", "*", "", "A", ""}},
                      Zeilenfall{"Kasse<b> A  B", {"Kasse", "", "*", "S", "B"}},
                      Zeilenfall{"Kasse< B> A  B", {"Kasse", "", "*", "S", "B"}},
                      Zeilenfall{"Kasse<B > P  B", {"Kasse", "", "*", "H", "B"}},
                      Zeilenfall{"Kasse<> A  B", {"Kasse", "", "*", "S", "B"}},
                      Zeilenfall{"Kasse<B>xAxxBrest", {"Kasse", "*", "", "A", ""}},
                      Zeilenfall{"Kasse<B> a  b", {"Kasse", "*", "", "H", "N"}},
                      Zeilenfall{"Kasse<B> A ", {"Kasse", "*", "", "A", "N"}},
                      Zeilenfall{"Bank<B> A  B<x>", {"Bank", "*", "", "A", ""}},
                      Zeilenfall{"<B> A  B", {"", "*", "", "A", ""}},
                      Zeilenfall{name70 + "<G> A  B", {std::string(64, 'n'), "", "*", "S", "B"}},
                      Zeilenfall{"Lang<" + std::string(70, 'B') + "> A  B",
                                 {"Lang", "", "*", "S", "B"}}),
    test::Zeilenname());

class KeinKonto : public ::testing::TestWithParam<std::string> {};

TEST_P(KeinKonto, IsRejectedAndLeavesTheRecord) {
    TKonto konto{"alt", "*", "", "A", ""};
    EXPECT_FALSE(werte_aus(GetParam(), konto));
    EXPECT_EQ(konto, (TKonto{"alt", "*", "", "A", ""}));
}

INSTANTIATE_TEST_SUITE_P(Kontenplan, KeinKonto,
                         ::testing::Values("", "Kasse", "Kasse B> A  B", "Kasse<B A  B", "<"),
                         test::Zeilenname());

class KontenplanTest : public ::testing::Test {
protected:
    test::Arbeitsverzeichnis verzeichnis;
};

std::vector<std::string> namen(const Kontenplan& plan) {
    std::vector<std::string> ergebnis;
    for (const TKonto& konto : plan.konten()) {
        ergebnis.push_back(konto.bezeichnung);
    }
    return ergebnis;
}

TEST_F(KontenplanTest, SkipsLinesThatAreNoAccount) {
    verzeichnis.schreibe("Kontenplan2.txt",
                         "Kasse<B> A  B\r\n\r\nKommentar\r\nBank<B> A  B\r\nhalb<B\r\n\r\n");
    EXPECT_EQ(namen(Kontenplan(2)), (std::vector<std::string>{"Kasse", "Bank"}));
}

TEST_F(KontenplanTest, ReadsBareLineFeedsAndAMissingLastLineEndAlike) {
    verzeichnis.schreibe("Kontenplan1.txt", "Kasse<B> A  B\r\nZinsertrag<G> E  N\r\n");
    verzeichnis.schreibe("Kontenplan3.txt", "Kasse<B> A  B\nZinsertrag<G> E  N");
    EXPECT_EQ(Kontenplan(1).konten(), Kontenplan(3).konten());
    EXPECT_EQ(Kontenplan(3).konten().back().bn, "N");
}

TEST_F(KontenplanTest, AMissingChartIsNotFoundAndNoChartIsEmpty) {
    EXPECT_EQ(test::meldung_von([] { Kontenplan plan(4); }), "Datei nicht gefunden");
    EXPECT_TRUE(Kontenplan(0).konten().empty());
    EXPECT_FALSE(IstBetrieblich(0, "Kasse"));
    EXPECT_FALSE(IstNeutral(0, "Kasse"));
}

TEST_F(KontenplanTest, LooksUpExactNamesWithTheirMarks) {
    verzeichnis.schreibe("Kontenplan1.txt", "Kasse<B> A  B\r\n"
                                            "Kasse <B> A  N\r\n"
                                            "Miete<G> A  N\r\n"
                                            "Miete<G> A  B\r\n"
                                            "Wagnis<V> A  B\r\n"
                                            "Bank<B> A  x\r\n"
                                            "Zins<G> E  N\r\n" +
                                                name70 + "<G> A  B\r\n");
    const Kontenplan plan(1);
    struct Fall {
        std::string name;
        bool konto, betrieblich, neutral;
    };
    for (const Fall& fall :
         {Fall{"Kasse", true, false, false}, Fall{"Kasse ", true, false, false},
          Fall{"kasse", false, false, false}, Fall{"Miete", true, true, true},
          Fall{"Wagnis", true, false, true}, Fall{"Bank", true, false, true},
          Fall{"Zins", true, false, true}, Fall{"", false, false, false},
          Fall{name70, false, false, false}, Fall{name70.substr(0, 64), true, true, false}}) {
        EXPECT_EQ(plan.ist_konto(fall.name), fall.konto) << fall.name;
        EXPECT_EQ(plan.IstBetrieblich(fall.name), fall.betrieblich) << fall.name;
        EXPECT_EQ(plan.IstNeutral(fall.name), fall.neutral) << fall.name;
        EXPECT_EQ(IstBetrieblich(1, fall.name), fall.betrieblich) << fall.name;
        EXPECT_EQ(IstNeutral(1, fall.name), fall.neutral) << fall.name;
    }
}

TEST_F(KontenplanTest, AnEmptyNameIsAnAccountOnlyWhenALineBeginsWithTheBracket) {
    verzeichnis.schreibe("Kontenplan1.txt", "<G> A  B\r\n");
    EXPECT_TRUE(Kontenplan(1).ist_konto(""));
    EXPECT_TRUE(Kontenplan(1).IstBetrieblich(""));
}

TEST_F(KontenplanTest, TellsWhatAnAccountIsAndOnWhichSideItGrows) {
    verzeichnis.schreibe("Kontenplan1.txt",
                         runtime::utf8_nach_cp1252("Kasse<B> A  B\r\n"
                                                   "Darlehen<B> P  B\r\n"
                                                   "Mietaufwand<G> A  B\r\n"
                                                   "Zinsaufwand<G> A  N\r\n"
                                                   "Umsatzerlöse<G> E  B\r\n"
                                                   "Zinserträge<G> E  N\r\n"
                                                   "Wagnis<V> A  B\r\n"
                                                   "Eröffnungsbilanzkonto<B> A  B\r\n"));
    const Kontenplan plan(1);
    std::vector<std::string> hinweise;
    for (const TKonto& konto : plan.konten()) {
        hinweise.push_back(runtime::cp1252_nach_utf8(kontohinweis(konto)));
    }
    EXPECT_EQ(hinweise, (std::vector<std::string>{
                            "Kasse: Aktivkonto — Zugänge im Soll, Abgänge im Haben",
                            "Darlehen: Passivkonto — Zugänge im Haben",
                            "Mietaufwand: Aufwandskonto (betrieblich) — Aufwand im Soll",
                            "Zinsaufwand: Aufwandskonto (neutral) — Aufwand im Soll",
                            "Umsatzerlöse: Ertragskonto (betrieblich) — Ertrag im Haben",
                            "Zinserträge: Ertragskonto (neutral) — Ertrag im Haben",
                            "Wagnis: Konto vom Typ V",
                            "Eröffnungsbilanzkonto: Hilfskonto der Eröffnung",
                        }));
    ASSERT_NE(plan.konto("Darlehen"), nullptr);
    EXPECT_EQ(plan.konto("Darlehen")->seite, "P");
    EXPECT_EQ(plan.konto("darlehen"), nullptr);
}

TEST_F(KontenplanTest, ANumberOrTheNameAfterItNamesTheOneAccount) {
    verzeichnis.schreibe("Kontenplan1.txt", "2800 Bank<B> A  B\r\n"
                                            "2880 Kasse<B> A  B\r\n"
                                            "2880 Kasse<B> A  B\r\n"
                                            "3000 Eigenkapital<B> P  B\r\n"
                                            "3000 Privat<B> P  B\r\n"
                                            "4400<B> P  B\r\n"
                                            "Betriebs- und Geschäftsausstattung<B> A  B\r\n");
    const Kontenplan plan(1);
    for (const auto& [nummer, erwartet] : std::vector<std::pair<std::string, std::string>>{
             {"2800", "2800 Bank"},
             {"2880", "2880 Kasse"}, // the same name twice is one account
             {"3000", ""},           // two accounts
             {"280", ""},
             {"4400", ""}, // no blank follows: the exact name is the caller's
             {"", ""},
             {"Betriebs-", ""}, // only numbers
         }) {
        const TKonto* konto = plan.konto_zur_nummer(nummer);
        EXPECT_EQ(konto == nullptr ? "" : konto->bezeichnung, erwartet) << nummer;
    }
    // The name after the number alone.
    for (const auto& [name, erwartet] : std::vector<std::pair<std::string, std::string>>{
             {"Bank", "2800 Bank"},
             {"Kasse", "2880 Kasse"},
             {"Eigenkapital", "3000 Eigenkapital"},
             {"Privat", "3000 Privat"},
             {"ank", ""},
             {"", ""},
             {"2800 Bank", ""}, // the whole name is the caller's
         }) {
        const TKonto* konto = plan.konto_ohne_nummer(runtime::utf8_nach_cp1252(name));
        EXPECT_EQ(konto == nullptr ? "" : konto->bezeichnung, erwartet) << name;
    }
}

} // namespace
} // namespace saldino::masterdata
