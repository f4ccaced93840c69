// The hidden folder and partial failures: nothing outside the working
// directory is touched, an I/O error or a kill at any step leaves the files
// old or new with a history that fits, and no state blocks the next command.
#include "backup/sicherung.h"
#include "backup/verlauf.h"
#include "backup/verlaufsdatei.h"
#include "cli/kommandozeile.h"
#include "journal/buchung.h"
#include "journal/eroeffnung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "runtime/ersetzung.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace saldino::backup {
namespace {

namespace fs = std::filesystem;
using Stand = std::pair<std::string, std::string>; // journal, settings

int cli(std::vector<const char*> argumente) {
    argumente.insert(argumente.begin(), "saldino-cli");
    std::FILE* aus = std::tmpfile();
    std::FILE* fehler = std::tmpfile();
    const int status =
        cli::ausfuehren(static_cast<int>(argumente.size()), argumente.data(), aus, fehler);
    std::fclose(aus);
    std::fclose(fehler);
    return status;
}

// Every file below a folder with its content; links as their target.
std::map<std::string, std::string> inhalt_von(const fs::path& ordner) {
    std::map<std::string, std::string> inhalt;
    for (const auto& eintrag : fs::recursive_directory_iterator(ordner)) {
        const std::string name = fs::relative(eintrag.path(), ordner).string();
        inhalt[name] = eintrag.is_regular_file()
                           ? test::Arbeitsverzeichnis::lies_datei(eintrag.path())
                           : std::string("<ordner>");
    }
    return inhalt;
}

void buchen() {
    auto a = Aenderung::anhaengen("Buchung gebucht");
    journal::TBuchung b;
    b.Datum = "05.01.2004";
    b.Konto = {"Kasse", "Bank", "", "", ""};
    b.Soll[0] = b.Haben[1] = 4;
    journal::buchung_anhaengen(b);
    a.festhalten();
}

void lege_datei_an(const std::string& name, const std::string& inhalt) {
    std::ofstream(name, std::ios::binary) << inhalt;
}

// A working directory with the supplied files, chart 1, three bookings, one
// undoable booking and a backup of another company.
class Zuverlaessigkeit : public ::testing::Test {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        masterdata::Einstellungen werte;
        werte.firma[0] = "Alt KG";
        werte.kontenplan_index = 0;
        masterdata::schreibe_einstellungen(werte);
        for (int k = 1; k <= 3; ++k) {
            test::buche({{"Kasse", 10.0 * k, 0}, {"Bank", 0, 10.0 * k}}, "Buchung");
        }
        werte.firma[0] = "Neu GmbH";
        schreibe_sicherung("neu.sdn", werte.firma, 2);
        buchen();
    }
    void TearDown() override {
        runtime::testnaht::fehler_bei(0, 0);
        runtime::testnaht::abbruch_bei(0);
    }

    Stand stand() const {
        return {verzeichnis.lies(journal::journaldatei), verzeichnis.lies("einstellungen.txt")};
    }

    // Nothing a change leaves behind: no plan, no temporary file, no step
    // folder that no step holds.
    void nichts_uebrig(const std::string& wo) const {
        EXPECT_FALSE(verzeichnis.gibt_es(runtime::ersetzungsplan)) << wo;
        for (const auto& [name, text] : inhalt_von(verzeichnis.pfad())) {
            EXPECT_EQ(name.find(".saldino.tmp"), std::string::npos) << wo << ": " << name;
        }
        const auto daten = verlaufsdatei::lies();
        EXPECT_TRUE(daten.laufend.empty()) << wo;
        std::set<std::string> gehalten = {"schritte"};
        for (const auto& schritt : daten.schritte) {
            gehalten.insert(std::to_string(schritt.nummer));
        }
        for (const std::string& name : runtime::eintraege(verlaufsordner)) {
            EXPECT_TRUE(gehalten.count(name)) << wo << ": " << name;
        }
    }

    test::Arbeitsverzeichnis verzeichnis;
};

// ---- Links in the hidden folder ----

struct Verweisfall {
    const char* name;
    const char* verweis; // the name that becomes a link to the victim
};

void PrintTo(const Verweisfall& fall, std::ostream* aus) {
    *aus << fall.name;
}

class Verweis : public Zuverlaessigkeit, public ::testing::WithParamInterface<Verweisfall> {
protected:
    void SetUp() override {
        Zuverlaessigkeit::SetUp();
        opfer = verzeichnis.pfad().string() + ".opfer";
        fs::create_directories(opfer + "/ordner");
        fs::create_directories(opfer + "/7");
        for (const char* datei : {"brief.txt", "ordner/notiz.txt", "7/satz.neu", "schritte"}) {
            lege_datei_an(opfer + "/" + datei, datei);
        }
        vorher = inhalt_von(opfer);
        const std::string link = GetParam().verweis;
        const std::string nummer =
            link == "step" ? std::to_string(verlaufsdatei::lies().schritte.back().nummer) : "";
        const std::string ziel = nummer.empty() ? link : ".saldino/verlauf/" + nummer;
        fs::remove_all(ziel);
        fs::create_directory_symlink(opfer, ziel);
    }
    void TearDown() override {
        fs::remove_all(opfer);
        Zuverlaessigkeit::TearDown();
    }

    std::string opfer;
    std::map<std::string, std::string> vorher;
};

TEST_P(Verweis, EveryWritingCommandAndTheStartLeaveTheTargetUntouched) {
    unterbrochenes_beenden(); // the window's start
    cli({"sichern", "x"});
    buchen();
    cli({"rueckgaengig"});
    cli({"wiederholen"});
    cli({"laden", "neu.sdn"});
    cli({"rueckgaengig"});
    cli({"bilanz"});
    EXPECT_EQ(inhalt_von(opfer), vorher);
    // The link was laid aside, not used: the program works on a folder of its own.
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(".saldino/verlauf")));
    EXPECT_EQ(cli({"laden", "neu.sdn"}), 0);
}

INSTANTIATE_TEST_SUITE_P(Versteckt, Verweis,
                         ::testing::Values(Verweisfall{"HiddenFolder", ".saldino"},
                                           Verweisfall{"History", ".saldino/verlauf"},
                                           Verweisfall{"Step", "step"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- I/O errors and kills at every step ----

struct Befehlsfall {
    const char* name;
    std::function<void()> befehl;
    // The command takes a step back: "wiederholen" leads from its new state to the old one.
    bool nimmt_zurueck = false;
    std::function<void()> vorher = [] {};
};

void PrintTo(const Befehlsfall& fall, std::ostream* aus) {
    *aus << fall.name;
}

class Teilfehler : public Zuverlaessigkeit, public ::testing::WithParamInterface<Befehlsfall> {
protected:
    // Runs the command with the n-th step failing (or, `toedlich`, killed
    // there); then the next start. Whether the command ended before its n-th step.
    bool laufe(int n, int fehlernummer, bool toedlich) {
        if (toedlich) {
            const pid_t kind = ::fork();
            if (kind == 0) {
                runtime::testnaht::abbruch_bei(n);
                GetParam().befehl();
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(kind, &status, 0);
            unterbrochenes_beenden();
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        runtime::testnaht::fehler_bei(n, fehlernummer);
        const std::string meldung = test::meldung_von(GetParam().befehl);
        const bool unberuehrt = runtime::testnaht::fehler_ausstehend();
        runtime::testnaht::fehler_bei(0, 0);
        unterbrochenes_beenden();
        EXPECT_TRUE(!unberuehrt || meldung == "(kein Fehler)") << meldung;
        return unberuehrt;
    }

    void pruefe(int fehlernummer, bool toedlich) {
        GetParam().vorher();
        const Stand alt = stand();
        const fs::path sicherung = verzeichnis.pfad().string() + ".sicherung";
        fs::remove_all(sicherung);
        ASSERT_EQ(std::system(
                      ("cp -a " + verzeichnis.pfad().string() + " " + sicherung.string()).c_str()),
                  0);
        const auto zuruecksetzen = [&] {
            ASSERT_EQ(std::system(("rm -rf " + verzeichnis.pfad().string() + " && cp -a " +
                                   sicherung.string() + " " + verzeichnis.pfad().string())
                                      .c_str()),
                      0);
            fs::current_path(verzeichnis.pfad());
        };
        GetParam().befehl();
        const Stand neu_stand = stand();
        zuruecksetzen();
        int vorwaerts = 0;
        for (int n = 1;; ++n) {
            const std::string wo = std::string(GetParam().name) + " step " + std::to_string(n);
            const bool fertig = laufe(n, fehlernummer, toedlich);
            const Stand danach = stand();
            nichts_uebrig(wo);
            const bool neu = danach != alt;
            EXPECT_TRUE(danach == alt || danach == neu_stand) << wo;
            // From the new state the history leads back to the old one, or,
            // where the error hit the recording of the step, holds no step
            // that could lead elsewhere.
            if (neu) {
                ++vorwaerts;
                const bool zurueck = GetParam().nimmt_zurueck;
                if ((zurueck ? wiederholen_beschreibung() : rueckgaengig_beschreibung())) {
                    EXPECT_TRUE(zurueck ? wiederholen() : rueckgaengig()) << wo;
                    EXPECT_TRUE(stand() == alt) << wo;
                } else {
                    EXPECT_FALSE(fertig) << wo;
                }
            }
            if (fertig) {
                EXPECT_TRUE(neu) << wo;
                break;
            }
            // Back to the start for the next step: the copy made by cp -a,
            // whose history fits it.
            zuruecksetzen();
            ASSERT_LT(n, 80) << wo;
        }
        EXPECT_GT(vorwaerts, 1) << GetParam().name;
        fs::remove_all(sicherung);
    }
};

TEST_P(Teilfehler, AnIoErrorAtAnyStepLeavesOldOrNewWithAFittingHistory) {
    for (const int fehlernummer : {EIO, ENOSPC}) {
        pruefe(fehlernummer, false);
    }
}

TEST_P(Teilfehler, AKillAtAnyStepLeavesNoChangeOrAnUndoableOne) {
    pruefe(0, true);
}

INSTANTIATE_TEST_SUITE_P(
    Befehle, Teilfehler,
    ::testing::Values(
        Befehlsfall{"Booking", buchen},
        Befehlsfall{"Load",
                    [] {
                        auto a = Aenderung::ersetzen(true, true, "Sicherung geladen");
                        masterdata::Einstellungen werte;
                        masterdata::lies_einstellungen(werte);
                        lade_sicherung("neu.sdn", werte);
                        a.festhalten();
                    }},
        Befehlsfall{"Undo", [] { rueckgaengig(); }, true},
        Befehlsfall{"Redo", [] { wiederholen(); }, false, [] { rueckgaengig(); }},
        Befehlsfall{"Opening",
                    [] {
                        auto a = Aenderung::ersetzen(true, false, "Eroeffnungsbuchungen gebucht");
                        const masterdata::Kontenplan plan(1);
                        journal::eroeffnung_buchen(plan.konten(),
                                                   std::vector<double>(plan.konten().size(), 50),
                                                   "01.01.2004");
                        a.festhalten();
                    }},
        Befehlsfall{"Deletion",
                    [] {
                        auto a = Aenderung::ersetzen(true, false, "Buchung 2 geloescht");
                        journal::loesche_buchung(2);
                        a.festhalten();
                    }},
        Befehlsfall{"ChartChange",
                    [] {
                        auto a = Aenderung::ersetzen(true, true, "Kontenplan gewechselt", true);
                        journal::journal_leeren();
                        a.festhalten();
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace saldino::backup

namespace saldino::backup {
namespace {

// ---- States no one could leave ----

struct Sperrfall {
    const char* name;
    std::function<void()> anrichten;
};

void PrintTo(const Sperrfall& fall, std::ostream* aus) {
    *aus << fall.name;
}

class Sperre : public Zuverlaessigkeit, public ::testing::WithParamInterface<Sperrfall> {};

// The state is laid aside once, with a notice, and every command works afterwards.
TEST_P(Sperre, IsLaidAsideAndEveryCommandWorksAgain) {
    GetParam().anrichten();
    const std::vector<std::string> hinweise = unterbrochenes_beenden();
    ASSERT_EQ(hinweise.size(), 1u);
    EXPECT_TRUE(unterbrochenes_beenden().empty());
    EXPECT_EQ(cli({"laden", "neu.sdn"}), 0);
    EXPECT_EQ(cli({"sichern", "x"}), 0);
    EXPECT_EQ(cli({"rueckgaengig"}), 0);
    EXPECT_EQ(cli({"wiederholen"}), 0);
    bool beiseite = false;
    for (const auto& [name, text] : inhalt_von(verzeichnis.pfad())) {
        beiseite = beiseite || name.find(".beiseite-") != std::string::npos;
    }
    EXPECT_TRUE(beiseite);
}

INSTANTIATE_TEST_SUITE_P(
    Zustaende, Sperre,
    ::testing::Values(
        // An undo killed half-way, then an older journal put back.
        Sperrfall{"HistoryNoLongerFittingTheJournal",
                  [] {
                      auto daten = verlaufsdatei::lies();
                      daten.laufend = "rueckgaengig";
                      daten.laufend_nummer = daten.schritte.back().nummer;
                      verlaufsdatei::schreibe(daten);
                      journal::journal_leeren();
                  }},
        Sperrfall{"PlanWhoseTemporaryFileIsAFolder",
                  [] {
                      fs::create_directories("buchungen.dat.saldino.tmpAbCdEf");
                      lege_datei_an(runtime::ersetzungsplan,
                                    "buchungen.dat.saldino.tmpAbCdEf\tbuchungen.dat\r\nende\r\n");
                  }},
        Sperrfall{"PlanOver16MiB",
                  [] {
                      lege_datei_an(runtime::ersetzungsplan,
                                    std::string(17 * 1024 * 1024, 'x') + "\r\nende\r\n");
                  }},
        Sperrfall{"PlanThatIsAFolder", [] { fs::create_directories(runtime::ersetzungsplan); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A report run between a crash and the next writing command reads no mixed
// state: it finishes the interrupted replacement first.
TEST_F(Zuverlaessigkeit, AReportFinishesAnInterruptedReplacementFirst) {
    verzeichnis.schreibe("einstellungen.txt.saldino.tmpAbCdEf",
                         verzeichnis.lies("einstellungen.txt"));
    verzeichnis.schreibe("buchungen.dat.saldino.tmpXyZ123", "");
    verzeichnis.schreibe(runtime::ersetzungsplan,
                         "buchungen.dat.saldino.tmpXyZ123\tbuchungen.dat\r\n"
                         "einstellungen.txt.saldino.tmpAbCdEf\teinstellungen.txt\r\nende\r\n");
    EXPECT_EQ(cli({"journal"}), 0);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), "");
    EXPECT_FALSE(verzeichnis.gibt_es(runtime::ersetzungsplan));
    EXPECT_FALSE(verzeichnis.gibt_es("buchungen.dat.saldino.tmpXyZ123"));
}

// ---- The history's file ----

TEST_F(Zuverlaessigkeit, ATabInADescriptionKeepsTheWholeHistory) {
    auto a = Aenderung::ersetzen(true, true,
                                 "Sicherung \xBB"
                                 "a\tb\\t\nc.sdn\xAB geladen");
    masterdata::Einstellungen werte;
    masterdata::lies_einstellungen(werte);
    ASSERT_EQ(lade_sicherung("neu.sdn", werte).ungueltige_zeile, 0);
    a.festhalten();
    const auto eintraege = verlauf();
    ASSERT_EQ(eintraege.size(), 2u);
    EXPECT_EQ(eintraege[1].beschreibung, "Sicherung \xBB"
                                         "a\tb\\t\nc.sdn\xAB geladen");
}

TEST_F(Zuverlaessigkeit, AnUnreadableLineKeepsTheStepsBeforeIt) {
    buchen();
    const std::string datei = std::string(verlaufsordner) + "/schritte";
    verzeichnis.schreibe(datei, verzeichnis.lies(datei) + "kaputt\tzeile\n");
    EXPECT_EQ(verlauf().size(), 2u);
    ASSERT_TRUE(rueckgaengig());
    ASSERT_TRUE(rueckgaengig());
}

// A number at the top of the range is refused when read, and counting goes
// on with the lowest free number instead of wrapping.
TEST_F(Zuverlaessigkeit, StepNumbersNeverOverflow) {
    auto daten = verlaufsdatei::lies();
    const std::int64_t alt = daten.schritte.back().nummer;
    fs::rename(verlaufsdatei::ordner(alt), verlaufsdatei::ordner(verlaufsdatei::hoechste_nummer));
    daten.schritte.back().nummer = verlaufsdatei::hoechste_nummer;
    verlaufsdatei::schreibe(daten);
    buchen();
    daten = verlaufsdatei::lies();
    ASSERT_EQ(daten.schritte.size(), 2u);
    EXPECT_EQ(daten.schritte.back().nummer, 1);
    ASSERT_TRUE(rueckgaengig());
    ASSERT_TRUE(rueckgaengig());

    const std::string datei = std::string(verlaufsordner) + "/schritte";
    std::string text = verzeichnis.lies(datei);
    text.replace(text.find("\n999999999\t") + 1, 9, "9223372036854775807");
    verzeichnis.schreibe(datei, text);
    EXPECT_TRUE(verlauf().empty());
}

// ---- Permissions ----

TEST_F(Zuverlaessigkeit, TakingBackKeepsTheModeAndRefusesAWriteProtectedJournal) {
    auto a = Aenderung::ersetzen(true, true, "Sicherung geladen");
    masterdata::Einstellungen werte;
    masterdata::lies_einstellungen(werte);
    ASSERT_EQ(lade_sicherung("neu.sdn", werte).ungueltige_zeile, 0);
    a.festhalten();
    ::chmod(journal::journaldatei, 0600);
    ASSERT_TRUE(rueckgaengig());
    EXPECT_EQ(fs::status(journal::journaldatei).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(wiederholen());
    const Stand vorher = stand();
    {
        test::Schreibschutz schutz(journal::journaldatei);
        EXPECT_EQ(test::meldung_von([] { rueckgaengig(); }), "Dateizugriff verweigert");
    }
    EXPECT_TRUE(stand() == vorher);
}

} // namespace
} // namespace saldino::backup
