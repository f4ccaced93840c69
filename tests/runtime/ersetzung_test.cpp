// A kill at any step of loading a backup, and the next start.
#include "runtime/ersetzung.h"

#include "backup/sicherung.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace saldino::runtime {
namespace {

using Stand = std::pair<std::string, std::string>; // journal, settings

class Absturz : public ::testing::Test {
protected:
    // An old journal and settings, and a backup of another company on chart 2.
    void SetUp() override {
        masterdata::Einstellungen neu;
        neu.firma[0] = "Neu GmbH";
        masterdata::schreibe_einstellungen(neu);
        test::buche({{"Kasse", 1, 0}, {"Bank", 0, 1}}, "neu 1");
        test::buche({{"Kasse", 2, 0}, {"Bank", 0, 2}}, "neu 2");
        backup::schreibe_sicherung("neu.sdn", neu.firma, 2);
        ASSERT_EQ(backup::lade_sicherung("neu.sdn", {}).ungueltige_zeile, 0);
        neuer_stand = stand();

        masterdata::Einstellungen alt;
        alt.firma[0] = "Alt KG";
        masterdata::schreibe_einstellungen(alt);
        journal::journal_leeren();
        test::buche({{"Bank", 5, 0}, {"Kasse", 0, 5}}, "alt");
        alter_stand = stand();
    }

    Stand stand() const {
        return {verzeichnis.lies(journal::journaldatei), verzeichnis.lies("einstellungen.txt")};
    }

    test::Arbeitsverzeichnis verzeichnis;
    Stand alter_stand;
    Stand neuer_stand;
};

// Killed at the n-th write, rename or removal, for every n until loading
// finishes: after the recovery of the next start the journal and the
// settings are both old or both new, and nothing is left over.
TEST_F(Absturz, LoadingKilledAtAnyStepIsOldOrNewAfterTheNextStart) {
    int vorwaerts = 0;
    for (int schritt = 1;; ++schritt) {
        const pid_t kind = ::fork();
        if (kind == 0) {
            testnaht::abbruch_bei(schritt);
            backup::lade_sicherung("neu.sdn", {});
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(kind, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        const bool abgebrochen = WEXITSTATUS(status) == 77;
        stelle_wieder_her();
        const Stand danach = stand();
        EXPECT_TRUE(danach == alter_stand || danach == neuer_stand) << "step " << schritt;
        EXPECT_EQ(verzeichnis.dateien(), ".saldino buchungen.dat einstellungen.txt neu.sdn")
            << "step " << schritt;
        EXPECT_TRUE(std::filesystem::is_empty(verzeichnis.pfad() / programmordner));
        if (!abgebrochen) {
            EXPECT_EQ(danach, neuer_stand);
            break;
        }
        if (danach == neuer_stand) {
            ++vorwaerts;
        }
        // Back to the old state for the next step.
        masterdata::Einstellungen alt;
        alt.firma[0] = "Alt KG";
        masterdata::schreibe_einstellungen(alt);
        verzeichnis.schreibe(journal::journaldatei, alter_stand.first);
        ASSERT_LT(schritt, 100);
    }
    // Some kills fell between the renames and were completed by the recovery.
    EXPECT_GT(vorwaerts, 0);
}

TEST_F(Absturz, TheNextStartRemovesWhatACrashLeftAndNothingElse) {
    verzeichnis.schreibe("buchungen.dat.saldino.tmpAb12Cd", "halb");
    verzeichnis.schreibe("einstellungen.txt.saldino.tmpXy34Zz", "halb");
    verzeichnis.schreibe("buchungen.dat.saldino.alt", "alt");
    verzeichnis.schreibe("buchungen.dat.tmpQw12Er", "halb, von einer alten Fassung");
    verzeichnis.schreibe("notizen.saldino.tmp", "keine Reste");
    std::filesystem::create_directory(programmordner);
    verzeichnis.schreibe(".saldino/ersetzung.saldino.tmp123456", "halb");
    // A plan without its last line was never acted on.
    verzeichnis.schreibe(ersetzungsplan, "buchungen.dat.saldino.tmpAb12Cd\tbuchungen.dat\r\n");
    stelle_wieder_her({"buchungen.dat", "einstellungen.txt"});
    EXPECT_EQ(verzeichnis.dateien(),
              ".saldino buchungen.dat einstellungen.txt neu.sdn notizen.saldino.tmp");
    EXPECT_EQ(stand(), alter_stand);
    EXPECT_TRUE(std::filesystem::is_empty(verzeichnis.pfad() / programmordner));
}

} // namespace
} // namespace saldino::runtime
