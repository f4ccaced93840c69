#include "backup/sicherung.h"

#include "journal/buchung.h"
#include "runtime/dateien.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <cerrno>

namespace saldino::backup {
namespace {

using test::buche;

class SicherungTest : public ::testing::Test {
protected:
    void TearDown() override { runtime::testnaht::umbenennungsfehler_bei(0, 0); }

    std::string sichere(const Firma& firma = {}, std::int32_t kontenplan = 1) {
        schreibe_sicherung("s.sdn", firma, kontenplan);
        return verzeichnis.lies("s.sdn");
    }

    test::Arbeitsverzeichnis verzeichnis;
};

TEST_F(SicherungTest, AnEmptyJournalEndsWithASingleBar) {
    journal::journal_sichern();
    EXPECT_EQ(sichere({"A"}, 2), "A||||||||2\r\n|");
}

TEST_F(SicherungTest, WritesOneLineOfNineteenFieldsPerBooking) {
    buche({{"Kasse", 0.10, 0}, {"Bank", 0, 0.10}}, "Gr", "05.03.2004", "Pe");
    buche({{"Kasse", 1234.56, 0}}, "");
    EXPECT_EQ(sichere({"F", "S", "O", "K", "B", "I", "V1", "V2"}, 3),
              "F|S|O|K|B|I|V1|V2|3\r\n"
              "|0|05.03.2004|Pe|Gr|Kasse|0,1|0|Bank|0|0,1||0|0||0|0||0|0|\r\n"
              "1|01.01.2004|||Kasse|1234,56|0||0|0||0|0||0|0||0|0|\r\n");
    EXPECT_EQ(verzeichnis.dateien(), "buchungen.dat s.sdn");
}

TEST_F(SicherungTest, ReplacesAnExistingFileAndReportsABar) {
    journal::journal_sichern();
    verzeichnis.schreibe("s.sdn", "alt und lang");
    EXPECT_FALSE(schreibe_sicherung("s.sdn", {"A"}, 1));
    EXPECT_EQ(verzeichnis.lies("s.sdn"), "A||||||||1\r\n|");
    EXPECT_TRUE(schreibe_sicherung("s.sdn", {"A|B"}, 1));
    buche({{"Kas|se", 1, 0}});
    EXPECT_TRUE(schreibe_sicherung("s.sdn", {"A"}, 1));
}

TEST(Sicherungsname, IsTheCompanyAsAFileSystemTakesIt) {
    for (const auto& [firma, name] : std::vector<std::pair<std::string, std::string>>{
             {"Fahrrad Huber KG", "Fahrrad Huber KG.sdn"},
             {"  M\xFCller & S\xF6hne  ", "M\xFCller & S\xF6hne.sdn"},
             {"A/B: C*D?", "A_B_ C_D_.sdn"},
             {"\"x\"<y>|z\\", "_x__y__z_.sdn"},
             {"Tab\tNeu\r", "Tab_Neu_.sdn"},
             {"..", "sicherung.sdn"},
             {" ", "sicherung.sdn"},
             {"", "sicherung.sdn"},
         }) {
        EXPECT_EQ(sicherungsname(firma), name) << firma;
    }
}

TEST_F(SicherungTest, AMissingJournalWritesNothing) {
    verzeichnis.schreibe("s.sdn", "gut");
    EXPECT_EQ(test::meldung_von([] { schreibe_sicherung("s.sdn", {"A"}, 1); }),
              "Datei nicht gefunden");
    EXPECT_EQ(verzeichnis.lies("s.sdn"), "gut");
    EXPECT_EQ(verzeichnis.dateien(), "s.sdn");
}

TEST_F(SicherungTest, SavingLoadingAndSavingAgainGivesTheSameBytes) {
    buche({{"Kasse", 12.345, 0}, {"Bank", 0, 12.345}}, "Rundung", "05.03.2004", "Ä Ö");
    buche({{"Kasse", 0.1 + 0.2, 0}, {"Bank", 0, -7.5e-5}, {"Waren", 9.99e14, 0}}, "", "");
    buche({{"Kasse", 3, 3}});
    const std::string erste = sichere({"Firma", "Stra\xDF"
                                                "e"},
                                      4);

    test::Arbeitsverzeichnis anderes;
    anderes.schreibe("einstellungen.txt", "x\r\n");
    masterdata::Einstellungen werte;
    werte.jahr = "2010";
    const GeladeneSicherung geladen =
        lade_sicherung((verzeichnis.pfad() / "s.sdn").string(), werte);
    EXPECT_EQ(geladen.ungueltige_zeile, 0);
    EXPECT_EQ(geladen.kontenplan_nr, 4);
    EXPECT_EQ(geladen.buchungen, 3);
    EXPECT_EQ(geladen.firma[1], "Stra\xDF"
                                "e");
    EXPECT_EQ(journal::lies_buchung(1).Soll[0], 12.345);
    EXPECT_EQ(journal::lies_buchung(3).Nr, 2);
    masterdata::Einstellungen gelesen;
    masterdata::lies_einstellungen(gelesen);
    EXPECT_EQ(gelesen.firma[0], "Firma");
    EXPECT_EQ(gelesen.jahr, "2010");
    EXPECT_EQ(gelesen.kontenplan_index, 3);
    schreibe_sicherung("zweite.sdn", geladen.firma, geladen.kontenplan_nr);
    EXPECT_EQ(anderes.lies("zweite.sdn"), erste);
    EXPECT_EQ(anderes.dateien(), ".saldino buchungen.dat einstellungen.txt zweite.sdn");
}

struct Kaputt {
    const char* name;
    std::string inhalt;
    std::int32_t zeile;
};

void PrintTo(const Kaputt& fall, std::ostream* aus) {
    *aus << fall.name;
}

const std::string kopf = "F|S|O|K|B|I|V1|V2|1\r\n";
const std::string buchung = "0|05.03.2004|P|G|Kasse|10|0|Bank|0|10||0|0||0|0||0|0|\r\n";

class KaputteSicherung : public ::testing::TestWithParam<Kaputt> {};

TEST_P(KaputteSicherung, ChangesNothing) {
    test::Arbeitsverzeichnis verzeichnis;
    buche({{"Kasse", 5, 0}});
    verzeichnis.schreibe("einstellungen.txt", "alt\r\n");
    const std::string journal = verzeichnis.lies(journal::journaldatei);
    verzeichnis.schreibe("k.sdn", GetParam().inhalt);
    const GeladeneSicherung geladen = lade_sicherung("k.sdn", {});
    EXPECT_EQ(geladen.ungueltige_zeile, GetParam().zeile);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), journal);
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), "alt\r\n");
    EXPECT_EQ(verzeichnis.dateien(), "buchungen.dat einstellungen.txt k.sdn");
}

INSTANTIATE_TEST_SUITE_P(
    Sicherung, KaputteSicherung,
    ::testing::Values(
        Kaputt{"leer", "", 1}, Kaputt{"kurzer Kopf", "F|S|O|K|B|I|V1|1\r\n|", 1},
        Kaputt{"Strich im Namen", "F|S|O|K|B|I|V1|V|2|1\r\n|", 1},
        Kaputt{"Kontenplan 5", "F|S|O|K|B|I|V1|V2|5\r\n|", 1},
        Kaputt{"Kontenplan -1", "F|S|O|K|B|I|V1|V2|-1\r\n|", 1}, Kaputt{"ohne Strich", kopf, 2},
        Kaputt{"Strich und mehr", kopf + "|\r\n" + buchung, 3},
        Kaputt{"Buchstabe im Betrag", kopf + "|" + buchung + "1|x||||1O|0||0|0||0|0||0|0||0|0|\r\n",
               3},
        Kaputt{"Punkt im Betrag", kopf + "|0||||Kasse|1.5|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"Datum zu lang", kopf + "|0|05.03.20041||||0|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"Konto zu lang",
               kopf + "|0||||" + std::string(65, 'k') + "|0|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"Strich im Grund", kopf + "|0|||a|b||0|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"abgeschnitten", kopf + "|" + buchung + "1|05.03.2004|P|G|Kasse|10|0|Ba", 3},
        Kaputt{"Nummer", kopf + "|x|||||0|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"NAN", kopf + "|0||||Kasse|NAN|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"Betrag 1E20", kopf + "|0||||Kasse|1E20|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"Betrag -1E15", kopf + "|0||||Kasse|0|-1E15||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"nur Striche", std::string(3 * 1024 * 1024, '|'), 1},
        Kaputt{"riesige Zeile", kopf + "|" + buchung + std::string(2 * 1024 * 1024, '|') + buchung,
               3},
        Kaputt{"UTF-8 ohne Windows-1252",
               kopf + "|0||\xCE\xA9 Omega|\xC3\xA4|||0|0||0|0||0|0||0|0||0|0|\r\n", 2},
        Kaputt{"Kennung und Windows-1252", "\xEF\xBB\xBFM\xFCller|S|O|K|B|I|V1|V2|1\r\n|", 1}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

// Before the plan is in place nothing changes; after it, the load is carried
// through: a rename that fails once is tried again.
TEST_F(SicherungTest, ARenameFailingBeforeThePlanChangesNothingAfterItTheLoadIsCarriedThrough) {
    buche({{"Kasse", 5, 0}});
    verzeichnis.schreibe("einstellungen.txt", "alt\r\n");
    const std::string journal = verzeichnis.lies(journal::journaldatei);
    verzeichnis.schreibe("k.sdn", kopf + "|" + buchung + buchung);
    // Renames: the plan, the journal, the settings.
    for (int umbenennung : {1, 3, 2}) {
        verzeichnis.schreibe(journal::journaldatei, journal);
        verzeichnis.schreibe("einstellungen.txt", "alt\r\n");
        runtime::testnaht::umbenennungsfehler_bei(umbenennung, ENOSPC);
        const std::string meldung = test::meldung_von([] { lade_sicherung("k.sdn", {}); });
        const bool neu = verzeichnis.lies("einstellungen.txt") != "alt\r\n";
        EXPECT_EQ(neu, umbenennung > 1) << umbenennung;
        EXPECT_EQ(meldung, neu ? "(kein Fehler)" : "Zu wenig Speicherplatz");
        EXPECT_EQ(verzeichnis.lies(journal::journaldatei) != journal, neu);
        EXPECT_EQ(verzeichnis.dateien(), ".saldino buchungen.dat einstellungen.txt k.sdn");
        EXPECT_TRUE(std::filesystem::is_empty(verzeichnis.pfad() / ".saldino"));
    }
}

struct Kodierungsfall {
    const char* name;
    std::string inhalt;
};

class Kodierung : public ::testing::TestWithParam<Kodierungsfall> {};

// Saved by an editor as UTF-8, with or without a byte-order mark, a backup
// reads as the Windows-1252 one it stands for.
TEST_P(Kodierung, ReadsTheSameCompanyAndBooking) {
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.schreibe("k.sdn", GetParam().inhalt);
    const GeladeneSicherung geladen = lade_sicherung("k.sdn", {});
    ASSERT_EQ(geladen.ungueltige_zeile, 0);
    EXPECT_EQ(geladen.firma[0], "M\xFCller \x80");
    EXPECT_EQ(journal::lies_buchung(1).Konto[0], "Geb\xE4ude");
}

INSTANTIATE_TEST_SUITE_P(
    Sicherung, Kodierung,
    ::testing::Values(
        Kodierungsfall{"Windows1252",
                       "M\xFCller \x80||||||||1\r\n|0||||Geb\xE4ude|1|0||0|0||0|0||0|0||0|0|\r\n"},
        Kodierungsfall{
            "Utf8", "M\xC3\xBCller "
                    "\xE2\x82\xAC||||||||1\r\n|0||||Geb\xC3\xA4ude|1|0||0|0||0|0||0|0||0|0|\r\n"},
        Kodierungsfall{
            "Utf8MitKennung",
            "\xEF\xBB\xBFM\xC3\xBCller "
            "\xE2\x82\xAC||||||||1\r\n|0||||Geb\xC3\xA4ude|1|0||0|0||0|0||0|0||0|0|\r\n"}),
    [](const ::testing::TestParamInfo<Kodierungsfall>& info) {
        return std::string(info.param.name);
    });

TEST_F(SicherungTest, LoadingALongBackupTellsHowFarItIs) {
    std::string inhalt = kopf + "|";
    for (int i = 0; i < 5000; ++i) {
        inhalt += buchung;
    }
    verzeichnis.schreibe("k.sdn", inhalt);
    std::vector<std::pair<std::int64_t, std::int64_t>> meldungen;
    const GeladeneSicherung geladen =
        lade_sicherung("k.sdn", {}, [&](std::int64_t erledigt, std::int64_t gesamt) {
            meldungen.emplace_back(erledigt, gesamt);
        });
    EXPECT_EQ(geladen.buchungen, 5000);
    ASSERT_EQ(meldungen.size(), 1U);
    EXPECT_GT(meldungen[0].first, 0);
    EXPECT_LE(meldungen[0].first, meldungen[0].second);
    EXPECT_EQ(meldungen[0].second, static_cast<std::int64_t>(inhalt.size()));
}

TEST_F(SicherungTest, ABackupWithLineFeedsAloneLoadsToo) {
    verzeichnis.schreibe("k.sdn",
                         "F|S|O|K|B|I|V1|V2|1\n|" + buchung.substr(0, buchung.size() - 2) + "\n");
    const GeladeneSicherung geladen = lade_sicherung("k.sdn", {});
    EXPECT_EQ(geladen.ungueltige_zeile, 0);
    EXPECT_EQ(geladen.buchungen, 1);
}

} // namespace
} // namespace saldino::backup
