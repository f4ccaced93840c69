#include "masterdata/einstellungen.h"

#include "runtime/fehler.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/fehler.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::masterdata {
namespace {

std::string crlf(std::initializer_list<const char*> zeilen) {
    std::string text;
    for (const char* zeile : zeilen) {
        text += zeile;
        text += "\r\n";
    }
    return text;
}

class EinstellungsdateiTest : public ::testing::Test {
protected:
    test::Arbeitsverzeichnis verzeichnis;
};

TEST_F(EinstellungsdateiTest, ReadsEveryLineIntoItsValue) {
    verzeichnis.schreibe(einstellungsdatei,
                         crlf({"Fahrrad M\xFCller", "Hauptstr. 1", "12345 Stadt", "4711",
                               "100 200 30", "Sparkasse", "Frau Kunz", "Herr M\xFCller", "false",
                               "19,00", "true", "2006", "A", "B", "C", "D", "2", "nicht gelesen"}));
    Einstellungen werte;
    lies_einstellungen(werte);
    EXPECT_EQ(werte.firma[0], "Fahrrad M\xFCller");
    EXPECT_EQ(werte.firma[7], "Herr M\xFCller");
    EXPECT_FALSE(werte.mit_mwst);
    EXPECT_EQ(werte.mwst_satz, "19,00");
    EXPECT_TRUE(werte.nullkonten_zeigen);
    EXPECT_EQ(werte.jahr, "2006");
    EXPECT_EQ(werte.kontenplan_namen[3], "D");
    EXPECT_EQ(werte.kontenplan_index, 2);
}

TEST_F(EinstellungsdateiTest, WritesWhatItReadsBackExactly) {
    Einstellungen werte;
    werte.firma = {"Firma", "", "Ort", "", "", "", "A", "B"};
    werte.mit_mwst = false;
    werte.nullkonten_zeigen = false;
    werte.kontenplan_index = -1;
    schreibe_einstellungen(werte);
    EXPECT_EQ(verzeichnis.lies(einstellungsdatei),
              crlf({"Firma", "", "Ort", "", "", "", "A", "B", "false", "0,00", "false", "", "", "",
                    "", "", "-1"}));
    Einstellungen gelesen;
    gelesen.mit_mwst = true;
    gelesen.kontenplan_index = 3;
    lies_einstellungen(gelesen);
    EXPECT_EQ(gelesen, werte);
}

TEST_F(EinstellungsdateiTest, TheSuppliedFileHoldsTheRestoredDefaultsAndNoChart) {
    Einstellungen werte;
    grundeinstellungen_wiederherstellen(werte);
    werte.kontenplan_index = -1;
    EXPECT_EQ(einstellungen_text(werte),
              test::Arbeitsverzeichnis::lies_datei(SALDINO_DATA_DIR "/einstellungen.txt"));
}

struct Wahrheitsfall {
    const char* zeile;
    bool gesetzt;
};

class Wahrheitswerte : public ::testing::TestWithParam<Wahrheitsfall> {};

TEST_P(Wahrheitswerte, OnlyTheExactWordTrueChecksABox) {
    test::Arbeitsverzeichnis verzeichnis;
    const std::string zeile = GetParam().zeile;
    verzeichnis.schreibe(einstellungsdatei, crlf({"", "", "", "", "", "", "", "", zeile.c_str(), "",
                                                  zeile.c_str(), "", "", "", "", "", "0"}));
    Einstellungen werte;
    lies_einstellungen(werte);
    EXPECT_EQ(werte.mit_mwst, GetParam().gesetzt);
    EXPECT_EQ(werte.nullkonten_zeigen, GetParam().gesetzt);
}

INSTANTIATE_TEST_SUITE_P(
    Einstellungen, Wahrheitswerte,
    ::testing::Values(Wahrheitsfall{"true", true}, Wahrheitsfall{"True", false},
                      Wahrheitsfall{"TRUE", false}, Wahrheitsfall{"true ", false},
                      Wahrheitsfall{" true", false}, Wahrheitsfall{"", false},
                      Wahrheitsfall{"1", false}),
    [](const auto& info) { return test::zeilenname(info.param.zeile, info.index); });

struct Auswahlfall {
    const char* zeile;
    int index;
};

class Kontenplanauswahl : public ::testing::TestWithParam<Auswahlfall> {};

TEST_P(Kontenplanauswahl, IsClampedToTheRadioGroup) {
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.schreibe(einstellungsdatei, crlf({"", "", "", "", "", "", "", "", "true", "",
                                                  "false", "", "", "", "", "", GetParam().zeile}));
    Einstellungen werte;
    lies_einstellungen(werte);
    EXPECT_EQ(werte.kontenplan_index, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Einstellungen, Kontenplanauswahl,
                         ::testing::Values(Auswahlfall{"2", 2}, Auswahlfall{"-1", -1},
                                           Auswahlfall{"9", 3}, Auswahlfall{"-7", -1},
                                           Auswahlfall{"0", 0}, Auswahlfall{"3", 3}),
                         [](const auto& info) {
                             return test::zeilenname(info.param.zeile, info.index);
                         });

// The year a date without one receives: the setting's, when it is a year
// from 1900 to 2099.
TEST(Buchungsjahr, FollowsTheSettingWhenItIsAYear) {
    for (const auto& [feld, jahr] : std::vector<std::pair<std::string, std::int32_t>>{
             {"2026", 2026},
             {" 2026 ", 2026},
             {"1900", 1900},
             {"2099", 2099},
             {"2100", 2004},
             {"1899", 2004},
             {"", 2004},
             {"zweitausend", 2004},
             {"26", 2004},
             {"2026a", 2004},
             {"+2026", 2004},
         }) {
        EXPECT_EQ(buchungsjahr(feld), jahr) << feld;
    }
}

TEST_F(EinstellungsdateiTest, ASixteenLineFileAppliesSixteenValuesThenFailsOnTheEmptyLine) {
    verzeichnis.schreibe(einstellungsdatei, crlf({"Firma", "", "", "", "", "", "", "Chef", "false",
                                                  "7,00", "true", "2005", "E", "U", "H", "I"}));
    Einstellungen werte;
    werte.kontenplan_index = 0;
    EXPECT_EQ(test::meldung_von([&] { lies_einstellungen(werte); }),
              "'' ist kein gültiger Integerwert");
    EXPECT_EQ(werte.firma[0], "Firma");
    EXPECT_EQ(werte.firma[7], "Chef");
    EXPECT_FALSE(werte.mit_mwst);
    EXPECT_EQ(werte.kontenplan_namen[3], "I");
    EXPECT_EQ(werte.kontenplan_index, -1);
}

TEST_F(EinstellungsdateiTest, AMissingFileChangesNothing) {
    Einstellungen werte;
    werte.firma[0] = "bleibt";
    EXPECT_EQ(test::meldung_von([&] { lies_einstellungen(werte); }), "Datei nicht gefunden");
    EXPECT_EQ(werte.firma[0], "bleibt");
}

TEST_F(EinstellungsdateiTest, AReadOnlyFileIsRefusedAndStaysAsItWas) {
    const std::string alt =
        crlf({"Alt", "", "", "", "", "", "", "", "true", "0,00", "false", "", "", "", "", "", "0"});
    verzeichnis.schreibe(einstellungsdatei, alt);
    Einstellungen werte;
    werte.firma[0] = "Neu";
    {
        test::Schreibschutz schutz(einstellungsdatei);
        EXPECT_EQ(test::meldung_von([&] { schreibe_einstellungen(werte); }),
                  "Dateizugriff verweigert");
    }
    EXPECT_EQ(verzeichnis.lies(einstellungsdatei), alt);
}

} // namespace
} // namespace saldino::masterdata
