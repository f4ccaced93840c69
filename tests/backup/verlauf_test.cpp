#include "backup/verlauf.h"

#include "backup/sicherung.h"
#include "journal/buchung.h"
#include "journal/eroeffnung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "runtime/dateien.h"
#include "runtime/ersetzung.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace saldino::backup {
namespace {

using Stand = std::pair<std::string, std::string>; // journal, settings

// A save of the settings as the window makes it.
void einstellungen_sichern(const masterdata::Einstellungen& neu, const char* was) {
    auto aenderung = Aenderung::einstellungen(masterdata::einstellungen_text(neu), was);
    if (aenderung.noetig()) {
        masterdata::schreibe_einstellungen(neu);
        aenderung.festhalten();
    }
}

// A working directory with the supplied files, chart 1, four bookings and a
// backup of another company on chart 2.
class VerlaufTest : public ::testing::Test {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        werte.firma[0] = "Alt KG";
        werte.kontenplan_index = 0;
        masterdata::schreibe_einstellungen(werte);
        for (int k = 1; k <= 4; ++k) {
            test::buche({{"Kasse", 10.0 * k, 0}, {"Bank", 0, 10.0 * k}}, "Buchung");
        }
        masterdata::Einstellungen andere = werte;
        andere.firma[0] = "Neu GmbH";
        schreibe_sicherung("neu.sdn", andere.firma, 2);
    }

    Stand stand() const {
        return {verzeichnis.lies(journal::journaldatei), verzeichnis.lies("einstellungen.txt")};
    }

    test::Arbeitsverzeichnis verzeichnis;
    masterdata::Einstellungen werte;
};

struct Art {
    const char* name;
    const char* beschreibung;
    std::function<void(masterdata::Einstellungen&)> aendern;
};

journal::TBuchung buchung(double betrag) {
    journal::TBuchung b;
    b.Datum = "05.01.2004";
    b.Konto = {"Kasse", "Bank", "", "", ""};
    b.Soll[0] = b.Haben[1] = betrag;
    return b;
}

class Jede : public VerlaufTest, public ::testing::WithParamInterface<Art> {};

// Each kind of change taken back gives every file as before, made again as after.
TEST_P(Jede, ArtIsTakenBackAndMadeAgainByteForByte) {
    const Stand vorher = stand();
    GetParam().aendern(werte);
    const Stand nachher = stand();
    ASSERT_NE(nachher, vorher);
    EXPECT_EQ(rueckgaengig_beschreibung(),
              std::optional(runtime::utf8_nach_cp1252(GetParam().beschreibung)));

    verlauf_wiederherstellen(); // as the next start does
    const auto zurueck = rueckgaengig();
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(zurueck->beschreibung, runtime::utf8_nach_cp1252(GetParam().beschreibung));
    EXPECT_EQ(stand(), vorher);
    EXPECT_FALSE(rueckgaengig_beschreibung());
    ASSERT_TRUE(wiederholen());
    EXPECT_EQ(stand(), nachher);
    ASSERT_TRUE(rueckgaengig());
    EXPECT_EQ(stand(), vorher);
    EXPECT_EQ(verlauf().size(), 1u);
    EXPECT_TRUE(verlauf().front().zurueckgenommen);
}

INSTANTIATE_TEST_SUITE_P(
    Aenderungen, Jede,
    ::testing::Values(
        Art{"Append", "Buchung 5 gebucht",
            [](masterdata::Einstellungen&) {
                auto a = Aenderung::anhaengen("Buchung 5 gebucht");
                auto b = buchung(7);
                journal::buchung_anhaengen(b);
                a.festhalten();
            }},
        Art{"Change", "Buchung 2 geändert",
            [](masterdata::Einstellungen&) {
                auto a = Aenderung::aendern(2, runtime::utf8_nach_cp1252("Buchung 2 geändert"));
                auto b = buchung(99);
                journal::buchung_ueberschreiben(2, b);
                a.festhalten();
            }},
        Art{"Delete", "Buchung 3 gelöscht",
            [](masterdata::Einstellungen&) {
                auto a = Aenderung::ersetzen(true, false,
                                             runtime::utf8_nach_cp1252("Buchung 3 gelöscht"));
                journal::loesche_buchung(3);
                a.festhalten();
            }},
        Art{"Opening", "Eröffnungsbuchungen gebucht (alle Buchungen ersetzt)",
            [](masterdata::Einstellungen&) {
                auto a = Aenderung::ersetzen(
                    true, false,
                    runtime::utf8_nach_cp1252(
                        "Eröffnungsbuchungen gebucht (alle Buchungen ersetzt)"));
                const masterdata::Kontenplan plan(1);
                journal::eroeffnung_buchen(
                    plan.konten(), std::vector<double>(plan.konten().size(), 100), "01.01.2004");
                a.festhalten();
            }},
        Art{"ChartChangeWithTheChartChosenAfter", "Kontenplan gewechselt (Journal geleert)",
            [](masterdata::Einstellungen& werte) {
                auto a = Aenderung::ersetzen(true, true, "Kontenplan gewechselt (Journal geleert)",
                                             true);
                journal::journal_leeren();
                a.festhalten();
                werte.kontenplan_index = 1;
                einstellungen_sichern(werte, "Kontenplan 2 gewählt");
            }},
        Art{"LoadingABackup", "Sicherung „neu.sdn“ geladen",
            [](masterdata::Einstellungen& werte) {
                auto a = Aenderung::ersetzen(
                    true, true, runtime::utf8_nach_cp1252("Sicherung „neu.sdn“ geladen"));
                ASSERT_EQ(lade_sicherung("neu.sdn", werte).ungueltige_zeile, 0);
                a.festhalten();
            }},
        Art{"SavingTheSettings", "Firmendaten gespeichert",
            [](masterdata::Einstellungen& werte) {
                werte.firma[1] = "Hauptstraße 1";
                einstellungen_sichern(werte, "Firmendaten gespeichert");
            }}),
    [](const ::testing::TestParamInfo<Art>& info) { return std::string(info.param.name); });

TEST_F(VerlaufTest, TwentyChangesAreTakenBackInARowAndTheOldestBeyondAreDropped) {
    std::vector<Stand> staende = {stand()};
    for (int k = 1; k <= 23; ++k) {
        auto a = Aenderung::anhaengen("Buchung " + std::to_string(4 + k) + " gebucht");
        auto b = buchung(k);
        journal::buchung_anhaengen(b);
        a.festhalten();
        staende.push_back(stand());
    }
    ASSERT_EQ(verlauf().size(), hoechstens_schritte);
    EXPECT_EQ(verlauf().front().beschreibung, "Buchung 8 gebucht");
    for (std::size_t k = 23; k > 3; --k) {
        ASSERT_TRUE(rueckgaengig()) << k;
        EXPECT_EQ(stand(), staende[k - 1]) << k;
    }
    EXPECT_FALSE(rueckgaengig());
    EXPECT_EQ(stand(), staende[3]);
}

TEST_F(VerlaufTest, ANewChangeAfterTakingBackDropsWhatCouldBeMadeAgain) {
    auto a = Aenderung::anhaengen("Buchung 5 gebucht");
    auto b = buchung(5);
    journal::buchung_anhaengen(b);
    a.festhalten();
    ASSERT_TRUE(rueckgaengig());
    werte.firma[0] = "Anders";
    einstellungen_sichern(werte, "Firmendaten gespeichert");
    EXPECT_FALSE(wiederholen_beschreibung());
    EXPECT_FALSE(wiederholen());
    ASSERT_EQ(verlauf().size(), 1u);
    EXPECT_EQ(verlauf().front().beschreibung, "Firmendaten gespeichert");
    // Saving settings that do not change is no step.
    einstellungen_sichern(werte, "Firmendaten gespeichert");
    EXPECT_EQ(verlauf().size(), 1u);
}

TEST_F(VerlaufTest, AJournalChangedBehindTheProgramsBackIsNotTouched) {
    auto a = Aenderung::anhaengen("Buchung 5 gebucht");
    auto b = buchung(5);
    journal::buchung_anhaengen(b);
    a.festhalten();
    verzeichnis.schreibe(journal::journaldatei, verzeichnis.lies(journal::journaldatei) + "x");
    const Stand fremd = stand();
    EXPECT_NE(test::meldung_von([] { rueckgaengig(); }).find("außerhalb von Saldino"),
              std::string::npos);
    EXPECT_EQ(stand(), fremd);
    EXPECT_TRUE(rueckgaengig_beschreibung());
}

// Each write and each rename of taking back and of making again failing in
// turn: the files are as before or as after, never a mix, and the history
// says which.
TEST_F(VerlaufTest, AFailingWriteOrRenameLeavesTheOldOrTheNewState) {
    auto a = Aenderung::ersetzen(true, true, "Sicherung geladen");
    ASSERT_EQ(lade_sicherung("neu.sdn", werte).ungueltige_zeile, 0);
    a.festhalten();
    const Stand nachher = stand();
    auto c = Aenderung::anhaengen("Buchung 3 gebucht");
    auto b = buchung(3);
    journal::buchung_anhaengen(b);
    c.festhalten();
    const Stand ganz = stand();
    for (const bool umbenennung : {false, true}) {
        for (const bool zurueck : {true, false}) {
            for (int n = 1;; ++n) {
                const Stand vorher = stand();
                umbenennung ? runtime::testnaht::umbenennungsfehler_bei(n, EIO)
                            : runtime::testnaht::schreibfehler_bei(n, EIO);
                const std::string meldung =
                    test::meldung_von([&] { zurueck ? rueckgaengig() : wiederholen(); });
                runtime::testnaht::umbenennungsfehler_bei(0, 0);
                runtime::testnaht::schreibfehler_bei(0, 0);
                if (meldung == "(kein Fehler)") {
                    break;
                }
                EXPECT_EQ(stand(), vorher) << n;
                verlauf_wiederherstellen();
                EXPECT_EQ(stand(), vorher) << n;
                ASSERT_LT(n, 30);
            }
        }
        EXPECT_EQ(stand(), ganz);
        ASSERT_TRUE(rueckgaengig());
        ASSERT_TRUE(rueckgaengig());
        ASSERT_TRUE(wiederholen());
        EXPECT_EQ(stand(), nachher);
        ASSERT_TRUE(wiederholen());
    }
}

// Killed at any step of taking back a loaded backup: after the next start
// the files are both old or both new.
TEST_F(VerlaufTest, TakingBackKilledAtAnyStepIsWholeAfterTheNextStart) {
    const Stand vorher = stand();
    auto a = Aenderung::ersetzen(true, true, "Sicherung geladen");
    ASSERT_EQ(lade_sicherung("neu.sdn", werte).ungueltige_zeile, 0);
    a.festhalten();
    const Stand nachher = stand();
    for (int schritt = 1;; ++schritt) {
        const pid_t kind = ::fork();
        if (kind == 0) {
            runtime::testnaht::abbruch_bei(schritt);
            rueckgaengig();
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(kind, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        runtime::stelle_wieder_her();
        verlauf_wiederherstellen();
        const Stand danach = stand();
        EXPECT_TRUE(danach == vorher || danach == nachher) << "step " << schritt;
        EXPECT_EQ(rueckgaengig_beschreibung().has_value(), danach == nachher) << schritt;
        if (WEXITSTATUS(status) != 77) {
            EXPECT_EQ(danach, vorher);
            break;
        }
        if (danach == vorher) {
            ASSERT_TRUE(wiederholen());
        }
        ASSERT_LT(schritt, 50);
    }
}

} // namespace
} // namespace saldino::backup
