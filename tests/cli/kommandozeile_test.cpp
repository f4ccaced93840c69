#include "cli/kommandozeile.h"
#include "journal/buchung.h"
#include "runtime/dateien.h"
#include "runtime/sperre.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace saldino::cli {
namespace {

using test::buche;

std::string lies(std::FILE* datei) {
    std::rewind(datei);
    std::string text;
    for (int c; (c = std::fgetc(datei)) != EOF;) {
        text += static_cast<char>(c);
    }
    return text;
}

struct Lauf {
    int status;
    std::string aus;
    std::string fehler;
};

Lauf starte(std::vector<const char*> argumente) {
    argumente.insert(argumente.begin(), "saldino-cli");
    std::FILE* aus = std::tmpfile();
    std::FILE* fehler = std::tmpfile();
    Lauf lauf;
    lauf.status = ausfuehren(static_cast<int>(argumente.size()), argumente.data(), aus, fehler);
    lauf.aus = lies(aus);
    lauf.fehler = lies(fehler);
    std::fclose(aus);
    std::fclose(fehler);
    return lauf;
}

// The same in a child process that is given up after ten seconds, for
// commands that must not hang: a hang fails the test instead of stopping it.
Lauf starte_begrenzt(std::vector<const char*> argumente) {
    argumente.insert(argumente.begin(), "saldino-cli");
    std::FILE* aus = std::tmpfile();
    std::FILE* fehler = std::tmpfile();
    const pid_t kind = ::fork();
    if (kind == 0) {
        const int status =
            ausfuehren(static_cast<int>(argumente.size()), argumente.data(), aus, fehler);
        std::fflush(aus);
        std::fflush(fehler);
        ::_exit(status);
    }
    int status = 0;
    bool fertig = false;
    for (int i = 0; i < 1000 && !fertig; ++i) {
        fertig = ::waitpid(kind, &status, WNOHANG) == kind;
        if (!fertig) {
            ::usleep(10'000);
        }
    }
    if (!fertig) {
        ::kill(kind, SIGKILL);
        ::waitpid(kind, &status, 0);
    }
    Lauf lauf{fertig && WIFEXITED(status) ? WEXITSTATUS(status) : -1, lies(aus), lies(fehler)};
    std::fclose(aus);
    std::fclose(fehler);
    return lauf;
}

class KommandozeileTest : public ::testing::Test {
protected:
    void SetUp() override {
        verzeichnis.schreibe(
            "einstellungen.txt",
            runtime::utf8_nach_cp1252("Muster GmbH\r\nHauptstraße 1\r\nMusterstadt\r\n\r\n\r\n\r\n"
                                      "Buchhalter\r\nInhaber\r\ntrue\r\n0,00\r\nfalse\r\n2005\r\n"
                                      "\r\n\r\n\r\n\r\n1\r\n"));
        verzeichnis.schreibe(
            "Kontenplan2.txt",
            runtime::utf8_nach_cp1252("Bank<B> A  B\r\nEigenkapital<B> P  B\r\nAufwand<G> A  B\r\n"
                                      "Ertrag<G> E  B\r\nZinsertrag<G> E  N\r\n"));
        const std::string ebk = "Eröffnungsbilanzkonto";
        buche({{"Bank", 600, 0}, {ebk, 0, 600}});
        buche({{ebk, 600, 0}, {"Eigenkapital", 0, 600}});
        buche({{"Bank", 500, 0}, {"Ertrag", 0, 500}});
        buche({{"Aufwand", 200, 0}, {"Bank", 0, 200}});
    }

    test::Arbeitsverzeichnis verzeichnis;
};

TEST_F(KommandozeileTest, PrintsTheBalanceSheetInUtf8) {
    const Lauf lauf = starte({"bilanz"});
    EXPECT_EQ(lauf.status, erfolg);
    EXPECT_EQ(lauf.aus,
              test::Arbeitsverzeichnis::lies_datei(SALDINO_FIXTURES_DIR "/bilanz_beispiel.txt"));
    EXPECT_EQ(lauf.fehler, "");
}

// With the Eröffnungsbilanzkonto in the chart and the opening one short,
// "bilanz" and "abschluss" print the report as it is and the notice on
// standard error, status 1.
TEST_F(KommandozeileTest, AnUnbalancedOpeningIsNamedOnStandardError) {
    verzeichnis.schreibe("Kontenplan2.txt",
                         runtime::utf8_nach_cp1252("Bank<B> A  B\r\nEigenkapital<B> P  B\r\n"
                                                   "Eröffnungsbilanzkonto<B> A  B\r\n"));
    EXPECT_EQ(starte({"bilanz"}).status, erfolg);
    buche({{"Bank", 5, 0}, {"Eröffnungsbilanzkonto", 0, 5}});
    for (const char* befehl : {"bilanz", "abschluss"}) {
        const Lauf lauf = starte({befehl});
        EXPECT_EQ(lauf.status, programmmeldung) << befehl;
        EXPECT_EQ(lauf.fehler, "Die Eröffnungsbilanz ist nicht ausgeglichen (Differenz 5,00). "
                               "Gewinn und Summen enthalten diese Differenz.\n");
        EXPECT_FALSE(lauf.aus.empty());
    }
}

TEST_F(KommandozeileTest, PrintsTheOperatingResultAndAccountSheets) {
    verzeichnis.schreibe("Kontenplan2.txt",
                         runtime::utf8_nach_cp1252("Bank<B> A  B\r\nAufwand<G> A  B\r\n"
                                                   "Ertrag<G> E  B\r\nZinsertrag<G> E  N\r\n"));
    verzeichnis.entferne("buchungen.dat");
    buche({{"Bank", 500, 0}, {"Ertrag", 0, 500}});
    buche({{"Aufwand", 200, 0}, {"Bank", 0, 200}});
    buche({{"Bank", 50, 0}, {"Zinsertrag", 0, 50}});
    const Lauf ergebnis = starte({"betriebsergebnis"});
    EXPECT_EQ(ergebnis.status, erfolg);
    EXPECT_EQ(ergebnis.aus, test::Arbeitsverzeichnis::lies_datei(SALDINO_FIXTURES_DIR
                                                                 "/betriebsergebnis_beispiel.txt"));
    const Lauf blatt = starte({"kontenblatt", "Bank"});
    EXPECT_EQ(blatt.status, erfolg);
    EXPECT_TRUE(blatt.aus.starts_with("Kontenblatt für das Konto Bank\n\nSoll:\n")) << blatt.aus;
    EXPECT_NE(blatt.aus.find("Schlussbestand" + std::string(17, ' ') + "350,00\n"),
              std::string::npos)
        << blatt.aus;
    const Lauf fehlt = starte({"kontenblatt", "bank"});
    EXPECT_EQ(fehlt.status, programmmeldung);
    EXPECT_EQ(fehlt.aus, "");
    EXPECT_EQ(fehlt.fehler, "Konto nicht gefunden!\n");
}

TEST_F(KommandozeileTest, SavesAndLoadsBackups) {
    const Lauf sichern = starte({"sichern", "stand"});
    EXPECT_EQ(sichern.status, erfolg);
    const std::string stand = verzeichnis.lies("stand.sdn");
    EXPECT_TRUE(stand.starts_with("Muster GmbH|Hauptstra\xDF"
                                  "e 1|Musterstadt||||Buchhalter|Inhaber|2\r\n|0|"));
    EXPECT_EQ(std::count(stand.begin(), stand.end(), '\n'), 5);

    const std::string einstellungen = verzeichnis.lies("einstellungen.txt");
    verzeichnis.entferne("buchungen.dat");
    // Settings that cannot be read would lose their lines the backup does not hold.
    verzeichnis.schreibe("einstellungen.txt", "");
    const Lauf unlesbar = starte({"laden", "stand.sdn"});
    EXPECT_EQ(unlesbar.status, laufzeitfehler);
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), "");
    EXPECT_FALSE(verzeichnis.gibt_es("buchungen.dat"));
    verzeichnis.schreibe("einstellungen.txt", einstellungen);
    const Lauf laden = starte({"laden", "stand.sdn"});
    EXPECT_EQ(laden.status, erfolg);
    EXPECT_EQ(starte({"sichern", "wieder.sdn"}).status, erfolg);
    EXPECT_EQ(verzeichnis.lies("wieder.sdn"), stand);

    verzeichnis.schreibe("kaputt.sdn", "A|B\r\n|");
    const std::string journal = verzeichnis.lies("buchungen.dat");
    const Lauf kaputt = starte({"laden", "kaputt.sdn"});
    EXPECT_EQ(kaputt.status, programmmeldung);
    EXPECT_EQ(kaputt.fehler,
              "Die Datei kaputt.sdn ist keine gültige Saldino-Sicherung (Zeile 1).\n");
    EXPECT_EQ(verzeichnis.lies("buchungen.dat"), journal);
    EXPECT_EQ(starte({"laden", "fehlt.sdn"}).status, laufzeitfehler);
}

TEST_F(KommandozeileTest, ChecksTheJournalAgainstASolution) {
    ASSERT_EQ(starte({"sichern", "loesung"}).status, erfolg);
    const Lauf gleich = starte({"pruefen", "loesung.sdn"});
    EXPECT_EQ(gleich.status, erfolg);
    EXPECT_TRUE(gleich.aus.ends_with("4 von 4 Buchungen richtig\n\nAlles richtig gebucht!\n"))
        << gleich.aus;

    buche({{"Bank", 5, 0}, {"Ertrag", 0, 5}}, "Zugabe");
    const std::string journal = verzeichnis.lies("buchungen.dat");
    const Lauf mehr = starte({"pruefen", "loesung.sdn"});
    EXPECT_EQ(mehr.status, programmmeldung);
    EXPECT_NE(mehr.aus.find("  01.01.2004   Zugabe – Nr. 5: Buchung ist in der Lösung nicht "
                            "vorgesehen\n"),
              std::string::npos)
        << mehr.aus;
    EXPECT_EQ(mehr.fehler, "");

    verzeichnis.schreibe("kaputt.sdn", "A|B\r\n|");
    const Lauf kaputt = starte({"pruefen", "kaputt.sdn"});
    EXPECT_EQ(kaputt.status, programmmeldung);
    EXPECT_EQ(kaputt.aus, "");
    EXPECT_EQ(kaputt.fehler,
              "Die Datei kaputt.sdn ist keine gültige Saldino-Sicherung (Zeile 1).\n");
    EXPECT_EQ(starte({"pruefen", "fehlt.sdn"}).status, laufzeitfehler);
    EXPECT_EQ(verzeichnis.lies("buchungen.dat"), journal);
}

TEST_F(KommandozeileTest, WritingCommandsRefuseWhileTheProgramRuns) {
    {
        auto programm = runtime::Sperre::versuche();
        ASSERT_TRUE(programm);
        EXPECT_FALSE(runtime::Sperre::versuche());
        const Lauf laden = starte({"laden", "stand.sdn"});
        EXPECT_EQ(laden.status, programmmeldung);
        EXPECT_EQ(laden.fehler, "Saldino läuft bereits in diesem Verzeichnis. Bitte zuerst das "
                                "andere Fenster schließen.\n");
        EXPECT_EQ(starte({"sichern", "stand"}).status, programmmeldung);
        EXPECT_EQ(starte({"rueckgaengig"}).status, programmmeldung);
        EXPECT_EQ(starte({"wiederholen"}).status, programmmeldung);
        EXPECT_EQ(starte({"verlauf"}).status, erfolg);
        EXPECT_FALSE(verzeichnis.gibt_es("stand.sdn"));
        EXPECT_EQ(starte({"bilanz"}).status, erfolg);
    }
    EXPECT_TRUE(runtime::Sperre::versuche());
    EXPECT_EQ(starte({"sichern", "stand"}).status, erfolg);
}

TEST_F(KommandozeileTest, LoadingIsTakenBackMadeAgainAndListed) {
    ASSERT_EQ(starte({"sichern", "stand"}).status, erfolg);
    const std::string vorher = verzeichnis.lies("buchungen.dat");
    buche({{"Bank", 5, 0}, {"Ertrag", 0, 5}}, "Zugabe");
    const std::string mehr = verzeichnis.lies("buchungen.dat");
    EXPECT_EQ(starte({"verlauf"}).aus, "");
    const Lauf nichts = starte({"rueckgaengig"});
    EXPECT_EQ(nichts.status, programmmeldung);
    EXPECT_EQ(nichts.fehler, "Es gibt keine Änderung, die rückgängig gemacht werden kann.\n");

    ASSERT_EQ(starte({"laden", "stand.sdn"}).status, erfolg);
    EXPECT_EQ(verzeichnis.lies("buchungen.dat"), vorher);
    EXPECT_EQ(starte({"verlauf"}).aus, "1. Sicherung „stand.sdn“ geladen\n");
    EXPECT_EQ(starte({"rueckgaengig"}).aus, "Rückgängig gemacht: Sicherung „stand.sdn“ geladen\n");
    EXPECT_EQ(verzeichnis.lies("buchungen.dat"), mehr);
    EXPECT_EQ(starte({"verlauf"}).aus, "1. Sicherung „stand.sdn“ geladen (rückgängig gemacht)\n");
    EXPECT_EQ(starte({"wiederholen"}).aus, "Wiederholt: Sicherung „stand.sdn“ geladen\n");
    EXPECT_EQ(verzeichnis.lies("buchungen.dat"), vorher);
    EXPECT_EQ(starte({"wiederholen"}).status, programmmeldung);
}

TEST_F(KommandozeileTest, AFifoInPlaceOfTheJournalIsRefusedInsteadOfWaitedFor) {
    ASSERT_EQ(starte({"sichern", "stand"}).status, erfolg);
    verzeichnis.entferne("buchungen.dat");
    ASSERT_EQ(::mkfifo("buchungen.dat", 0600), 0);
    for (const auto& befehl : std::vector<std::vector<const char*>>{
             {"journal"}, {"bilanz"}, {"sichern", "neu"}, {"laden", "stand.sdn"}}) {
        const Lauf lauf = starte_begrenzt(befehl);
        EXPECT_EQ(lauf.status, laufzeitfehler) << befehl[0];
        EXPECT_EQ(lauf.fehler, "Ungültiger Dateiname\n") << befehl[0];
    }
    EXPECT_FALSE(verzeichnis.gibt_es("neu.sdn"));
}

TEST_F(KommandozeileTest, SavingRefusesTheJournalItself) {
    const std::string vorher = verzeichnis.lies("buchungen.dat");
    const Lauf lauf = starte({"sichern", "buchungen.dat"});
    EXPECT_EQ(lauf.status, programmmeldung);
    EXPECT_EQ(lauf.fehler,
              "Die Datei buchungen.dat gehört zum Programm und kann nicht überschrieben werden.\n");
    EXPECT_EQ(verzeichnis.lies("buchungen.dat"), vorher);
}

TEST_F(KommandozeileTest, ControlCharactersOfTheDataNeverReachTheTerminal) {
    verzeichnis.schreibe("Kontenplan2.txt", "Ba\tnk\x1b]0;x\x07<B> A  B\r\nKasse<B> A  B\r\n");
    verzeichnis.schreibe("buchungen.dat", "");
    journal::TBuchung b;
    b.Person = "\x1b[2J\x7f\x9d";
    b.Konto = {"Kasse", "Kasse", "", "", ""};
    b.Soll[0] = b.Haben[1] = 1;
    journal::buchung_anhaengen(b);
    const std::string ersatz = "\xEF\xBF\xBD";
    const Lauf plan = starte({"kontenplan"});
    EXPECT_EQ(plan.aus.substr(0, plan.aus.find('\t')),
              "Ba" + ersatz + "nk" + ersatz + "]0;x" + ersatz);
    for (const std::string& zeile : runtime::teile_zeilen(plan.aus)) {
        EXPECT_EQ(std::count(zeile.begin(), zeile.end(), '\t'), 4) << zeile;
    }
    const Lauf liste = starte({"journal"});
    EXPECT_EQ(liste.status, erfolg);
    EXPECT_EQ(liste.aus.find('\x1b'), std::string::npos);
    EXPECT_NE(liste.aus.find(ersatz + "[2J" + ersatz + ersatz), std::string::npos);
}

TEST_F(KommandozeileTest, AChartThatIsADeviceIsRefused) {
    verzeichnis.entferne("Kontenplan2.txt");
    std::filesystem::create_symlink("/dev/zero", "Kontenplan2.txt");
    const Lauf lauf = starte_begrenzt({"kontenplan"});
    EXPECT_EQ(lauf.status, laufzeitfehler);
    EXPECT_EQ(lauf.fehler, "Ungültiger Dateiname\n");
}

TEST_F(KommandozeileTest, WorksOnTheDirectoryGiven) {
    const auto ort = verzeichnis.pfad().string();
    std::filesystem::current_path("/");
    const Lauf lauf = starte({"--dir", ort.c_str(), "journal"});
    EXPECT_EQ(lauf.status, erfolg);
    EXPECT_EQ(std::count(lauf.aus.begin(), lauf.aus.end(), '\n'), 9);
    EXPECT_TRUE(lauf.aus.starts_with("Nr.   Datum"));
    const Lauf fehlt = starte({"--dir", "/gibt/es/nicht", "journal"});
    EXPECT_EQ(fehlt.status, laufzeitfehler);
    EXPECT_EQ(fehlt.fehler, "saldino-cli: /gibt/es/nicht: Datei nicht gefunden\n");
}

TEST_F(KommandozeileTest, ListsTheChartWithTabs) {
    const Lauf lauf = starte({"kontenplan"});
    EXPECT_EQ(lauf.status, erfolg);
    EXPECT_EQ(lauf.aus,
              "Bank\t*\t\tA\t\nEigenkapital\t*\t\tP\t\nAufwand\t\t*\tS\tB\nErtrag\t\t*\tH\tB\n"
              "Zinsertrag\t\t*\tH\tN\n");
}

TEST_F(KommandozeileTest, WithoutAChartTheMessageGoesToStandardError) {
    std::string text = verzeichnis.lies("einstellungen.txt");
    verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.size() - 3) + "-1\r\n");
    const Lauf bilanz = starte({"bilanz"});
    EXPECT_EQ(bilanz.status, programmmeldung);
    EXPECT_EQ(bilanz.aus, "Bilanz der Muster GmbH\nHauptstraße 1\nMusterstadt\n");
    EXPECT_EQ(bilanz.fehler, "Du hast keinen Kontenplan ausgewählt!\n");
    const Lauf plan = starte({"kontenplan"});
    EXPECT_EQ(plan.status, erfolg);
    EXPECT_EQ(plan.aus, "");
}

TEST_F(KommandozeileTest, AFileErrorEndsWithStatusTwoAfterTheLinesBuilt) {
    verzeichnis.entferne("buchungen.dat");
    const Lauf bilanz = starte({"bilanz"});
    EXPECT_EQ(bilanz.status, laufzeitfehler);
    EXPECT_EQ(bilanz.aus, "Bilanz der Muster GmbH\nHauptstraße 1\nMusterstadt\n");
    EXPECT_EQ(bilanz.fehler, "Datei nicht gefunden\nsaldino-cli: " +
                                 (verzeichnis.pfad() / "buchungen.dat").string() + "\n");
    const Lauf journal = starte({"journal"});
    EXPECT_EQ(journal.status, laufzeitfehler);
    EXPECT_EQ(journal.aus, "");
}

TEST_F(KommandozeileTest, AMissingSettingsFileIsReportedAndTheDefaultsServe) {
    verzeichnis.entferne("einstellungen.txt");
    const Lauf lauf = starte({"bilanz"});
    EXPECT_EQ(lauf.status, programmmeldung);
    EXPECT_EQ(lauf.aus, "Bilanz der \n\n\n");
    EXPECT_EQ(lauf.fehler, "saldino-cli: einstellungen.txt: Datei nicht gefunden\n"
                           "Du hast keinen Kontenplan ausgewählt!\n");
}

struct Falschfall {
    std::vector<const char*> argumente;
    const char* grund;
};

class FalscherAufruf : public ::testing::TestWithParam<Falschfall> {};

// One line that says what is wrong, and where to read more.
TEST_P(FalscherAufruf, SaysWhatIsWrongInOneLine) {
    const Lauf lauf = starte(GetParam().argumente);
    EXPECT_EQ(lauf.status, falscher_aufruf);
    EXPECT_EQ(lauf.fehler, "saldino-cli: " + std::string(GetParam().grund) +
                               "\nMehr dazu: saldino-cli --help\n");
    EXPECT_EQ(lauf.aus, "");
}

INSTANTIATE_TEST_SUITE_P(
    Kommandozeile, FalscherAufruf,
    ::testing::Values(Falschfall{{}, "Befehl fehlt"},
                      Falschfall{{"bilanzen"}, "unbekannter Befehl „bilanzen“"},
                      Falschfall{{"bilanz", "zuviel"}, "„bilanz“ hat kein Argument"},
                      Falschfall{{"kontenblatt"}, "„kontenblatt“ braucht ein Konto"},
                      Falschfall{{"kontenblatt", "a", "b"}, "„kontenblatt“ nimmt nur ein Konto"},
                      Falschfall{{"pruefen"}, "„pruefen“ braucht eine Datei"},
                      Falschfall{{"--dir"}, "Option „--dir“ braucht einen Wert"},
                      Falschfall{{"-x", "bilanz"}, "unbekannte Option „-x“"},
                      Falschfall{{"--bilanz"}, "unbekannte Option „--bilanz“"},
                      Falschfall{
                          {"--csv", "bilanz"},
                          "--loesung und --csv gehören zu „pruefen --loesung LOESUNG DATEI…“"},
                      Falschfall{{"pruefen", "--loesung", "l.sdn"},
                                 "„pruefen --loesung LOESUNG“ braucht mindestens eine Datei"},
                      Falschfall{{"--dir", "x"}, "Befehl fehlt"}),
    [](const auto& info) {
        return test::zeilenname(test::verbunden(info.param.argumente), info.index);
    });

// "aufgaben pruefen [ORDNER]": the supplied folder is sound; a working
// directory's copy without solutions, a title without a chart and a solution
// of another chart are faults, and nothing there is written.
TEST(Aufgabenpruefung, ChecksEveryExerciseOfAFolderReadOnly) {
    test::Arbeitsverzeichnis verzeichnis;
    const Lauf geliefert = starte({"aufgaben", "pruefen", SALDINO_DATA_DIR});
    EXPECT_EQ(geliefert.status, erfolg) << geliefert.aus << geliefert.fehler;
    EXPECT_NE(geliefert.aus.find("Aufgabe 14: Ein ganzes Gesch\xC3\xA4"
                                 "ftsjahr bis zum "
                                 "Schlussbilanzkonto (Kontenplan 3)\n  Kontenplan 3, 20 "
                                 "Buchungen\n  Gewinn: 6900,00\n  Summe des Schlussbilanzkontos: "
                                 "258240,00\n  Zahllast: 3840,00\n"),
              std::string::npos)
        << geliefert.aus;
    EXPECT_TRUE(geliefert.aus.ends_with("Alle 14 Aufgaben sind in Ordnung.\n"));

    verzeichnis.mit_daten();
    verzeichnis.schreibe("Aufgabe15.txt", "Eigene Aufgabe\r\n");
    verzeichnis.schreibe("aufgabe15.txt", "Eigene Aufgabe\r\n\r\n");
    verzeichnis.schreibe("loesung4.sdn", test::Arbeitsverzeichnis::lies_datei(test::loesung(1)));
    const std::string vorher = verzeichnis.dateien();
    const Lauf eigene = starte({"aufgaben", "pruefen"});
    EXPECT_EQ(eigene.status, programmmeldung);
    for (const char* fehler :
         {"\n  Aufgabe 3: keine L\xC3\xB6sung (loesung3.sdn)\n",
          "\n  Aufgabe 4: die L\xC3\xB6sung ist f\xC3\xBCr Kontenplan 1, der Titel nennt 2\n",
          "\n  Aufgabe 15: keine Abhakliste\n",
          "\n  Aufgabe 15: der Titel nennt keinen Kontenplan\n"}) {
        EXPECT_NE(eigene.aus.find(fehler), std::string::npos) << fehler << eigene.aus;
    }
    EXPECT_EQ(verzeichnis.dateien(), vorher);
    EXPECT_EQ(starte({"aufgaben"}).status, falscher_aufruf);
    EXPECT_EQ(starte({"aufgaben", "pruefen", "a", "b"}).status, falscher_aufruf);
}

TEST(Kommandozeile, HelpIsGerman) {
    const Lauf lauf = starte({"--help"});
    EXPECT_EQ(lauf.status, erfolg);
    EXPECT_NE(lauf.aus.find("Befehle:"), std::string::npos);
    EXPECT_EQ(lauf.aus.find("Commands:"), std::string::npos);
}

// Seven pupils' backups of exercise 2: right, one booking missing, one
// swapped, the wrong chart, damaged, the solution itself handed in, and
// right with one booking more.
class KlassenpruefungTest : public ::testing::Test {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        const std::string loesung = test::Arbeitsverzeichnis::lies_datei(test::loesung(2));
        verzeichnis.schreibe("loesung2.sdn", loesung);
        std::vector<std::string> loesungszeilen = runtime::teile_zeilen(loesung);
        const auto sichern = [this](const std::string& name, const std::vector<std::string>& z) {
            std::string text;
            for (const std::string& zeile : z) {
                text += zeile + "\r\n";
            }
            verzeichnis.schreibe(name, text);
        };
        sichern("fritz.sdn", loesungszeilen);
        // Each pupil's own company: "Anna Rad KG" for anna.sdn.
        const auto eigene = [&loesungszeilen](std::string name) {
            std::vector<std::string> z = loesungszeilen;
            name[0] = static_cast<char>(name[0] - 'a' + 'A');
            z[0] = name + " Rad KG" + z[0].substr(z[0].find('|'));
            return z;
        };
        std::vector<std::string> zeilen = eigene("anna");
        sichern("anna.sdn", zeilen);
        std::vector<std::string> mehr = eigene("gustav");
        mehr.push_back("12|01.02.2004|selbst|Extra|Kasse|10|0|Bank|0|10||0|0||0|0||0|0|");
        sichern("gustav.sdn", mehr);
        std::vector<std::string> ohne = zeilen;
        ohne.erase(ohne.begin() + 3);
        ohne[0] = eigene("ben")[0];
        sichern("ben.sdn", ohne);
        std::vector<std::string> vertauscht = zeilen;
        std::vector<std::string> felder;
        for (std::size_t a = 0, e; a <= vertauscht[5].size(); a = e + 1) {
            e = std::min(vertauscht[5].find('|', a), vertauscht[5].size());
            felder.push_back(vertauscht[5].substr(a, e - a));
        }
        for (std::size_t i = 4; i + 2 < 19; i += 3) {
            std::swap(felder[i + 1], felder[i + 2]);
        }
        vertauscht[5].clear();
        for (std::size_t i = 0; i < felder.size(); ++i) {
            vertauscht[5] += (i == 0 ? "" : "|") + felder[i];
        }
        vertauscht[0] = eigene("cem")[0];
        sichern("cem.sdn", vertauscht);
        std::vector<std::string> anderer_plan = zeilen;
        anderer_plan[0] = eigene("dora")[0];
        anderer_plan[0].back() = '2';
        sichern("dora.sdn", anderer_plan);
        verzeichnis.schreibe("emil.sdn", "kaputt\r\n");
    }

    // Replaces line `nummer` of the backup `name`.
    void zeilen_ersetzen(const std::string& name, std::size_t nummer, const std::string& zeile) {
        std::vector<std::string> z = runtime::teile_zeilen(verzeichnis.lies(name));
        z[nummer] = zeile;
        std::string text;
        for (const std::string& t : z) {
            text += t + "\r\n";
        }
        verzeichnis.schreibe(name, text);
    }

    test::Arbeitsverzeichnis verzeichnis;
};

// Names from the command line and the file system reach the terminal only
// through the display rule: no control character, no invalid UTF-8.
TEST_F(KlassenpruefungTest, ControlCharactersOfNamesNeverReachTheTerminal) {
    const std::string name = "\x1b[31m\xFF"
                             "anna.sdn";
    std::filesystem::copy_file("anna.sdn", name);
    const Lauf tabelle = starte({"--csv", "pruefen", "--loesung", "loesung2.sdn", name.c_str()});
    EXPECT_NE(tabelle.aus.find("\n\xEF\xBF\xBD[31m\xEF\xBF\xBD"
                               "anna.sdn;"),
              std::string::npos)
        << tabelle.aus;
    const Lauf ort = starte({"--dir", "\x1b]0;x\x07", "bilanz"});
    EXPECT_EQ(ort.status, laufzeitfehler);
    for (const Lauf* lauf : {&tabelle, &ort}) {
        EXPECT_EQ(lauf->aus.find_first_of("\x1b\x07"), std::string::npos);
        EXPECT_EQ(lauf->fehler.find_first_of("\x1b\x07"), std::string::npos) << lauf->fehler;
    }
}

// Exercise 1 has every pupil type the solution's company: only the
// solution's own bytes count as the solution handed in.
TEST_F(KlassenpruefungTest, TheSolutionsCompanyWithOwnBookingsIsRight) {
    std::string zeile = runtime::teile_zeilen(verzeichnis.lies("fritz.sdn"))[2];
    zeile.replace(zeile.find("|selbst|"), 8, "|Hanna|");
    verzeichnis.schreibe("hanna.sdn", verzeichnis.lies("fritz.sdn"));
    zeilen_ersetzen("hanna.sdn", 2, zeile);
    const Lauf lauf = starte({"pruefen", "--csv", "--loesung", "loesung2.sdn", "hanna.sdn"});
    EXPECT_EQ(lauf.status, erfolg);
    EXPECT_NE(lauf.aus.find("hanna.sdn;Fahrrad Müller KG;12;12;0;0;0;richtig\r\n"),
              std::string::npos)
        << lauf.aus;
}

TEST_F(KlassenpruefungTest, ChecksEveryFileReadOnlyInBothForms) {
    const std::string vorher = verzeichnis.dateien();
    const Lauf text = starte({"pruefen", "--loesung", "loesung2.sdn", "anna.sdn", "ben.sdn",
                              "cem.sdn", "dora.sdn", "emil.sdn", "fritz.sdn", "gustav.sdn"});
    EXPECT_EQ(text.status, laufzeitfehler);
    for (const char* teil :
         {"anna.sdn – Anna Rad KG\n12 von 12 Buchungen richtig\n\nAlles richtig gebucht!\n",
          "ben.sdn – Ben Rad KG\n11 von 12 Buchungen richtig\n",
          " – Nr. 5: Soll und Haben vertauscht\n",
          "dora.sdn – Dora Rad KG\nDiese Aufgabe braucht den Kontenplan 1",
          "emil.sdn – (ohne Firma)\nunlesbar: Die Datei emil.sdn ist keine gültige "
          "Saldino-Sicherung (Zeile 1).\n",
          "fritz.sdn – Fahrrad Müller KG\nLösungsdatei abgegeben?\n12 von 12",
          "\n\nrichtig: 1\nüberzählige Buchungen: 1\nunvollständig: 2\nfalscher Kontenplan: 1\n"
          "Lösungsdatei abgegeben?: 1\nunlesbar: 1\n"}) {
        EXPECT_NE(text.aus.find(teil), std::string::npos) << teil << "\n" << text.aus;
    }
    // For a spreadsheet: a byte-order mark, CR LF, and a formula kept a text.
    zeilen_ersetzen("anna.sdn", 0, "=HYPERLINK(\"x\")||||||||1");
    const Lauf tabelle = starte({"--csv", "pruefen", "anna.sdn", "ben.sdn", "cem.sdn", "dora.sdn",
                                 "emil.sdn", "fritz.sdn", "gustav.sdn", "--loesung=loesung2.sdn"});
    EXPECT_EQ(tabelle.aus,
              "\xEF\xBB\xBF"
              "Datei;Firma;richtig;von;fehlend;überzählig;abweichende Salden;Status\r\n"
              "anna.sdn;\"'=HYPERLINK(\"\"x\"\")\";12;12;0;0;0;richtig\r\n"
              "ben.sdn;Ben Rad KG;11;12;1;0;2;unvollständig\r\n"
              "cem.sdn;Cem Rad KG;11;12;1;1;2;unvollständig\r\n"
              "dora.sdn;Dora Rad KG;;;;;;falscher Kontenplan\r\n"
              "emil.sdn;;;;;;;unlesbar: Die Datei emil.sdn ist keine gültige Saldino-Sicherung "
              "(Zeile 1).\r\n"
              "fritz.sdn;Fahrrad Müller KG;12;12;0;0;0;Lösungsdatei abgegeben?\r\n"
              "gustav.sdn;Gustav Rad KG;12;12;0;1;2;überzählige Buchungen\r\n");
    EXPECT_EQ(verzeichnis.dateien(), vorher);
    EXPECT_EQ(starte({"pruefen", "--loesung", "loesung2.sdn", "anna.sdn"}).status, erfolg);
    EXPECT_EQ(starte({"pruefen", "--loesung", "loesung2.sdn", "anna.sdn", "dora.sdn"}).status,
              programmmeldung);
    const Lauf ohne = starte({"pruefen", "--loesung", "fehlt.sdn", "anna.sdn"});
    EXPECT_EQ(ohne.status, laufzeitfehler);
    EXPECT_EQ(ohne.fehler, "Datei nicht gefunden\nsaldino-cli: " +
                               (verzeichnis.pfad() / "fehlt.sdn").string() + "\n");
}

TEST_F(KlassenpruefungTest, TheSingleFormSaysAnotherChartWithItsOwnStatus) {
    ASSERT_EQ(starte({"laden", "dora.sdn"}).status, erfolg);
    const Lauf lauf = starte({"pruefen", "loesung2.sdn"});
    EXPECT_EQ(lauf.status, falscher_kontenplan);
    EXPECT_TRUE(lauf.aus.starts_with("Diese Aufgabe braucht den Kontenplan 1")) << lauf.aus;
}

struct Optionsfall {
    std::vector<const char*> argumente;
    int status;
};

class Optionen : public KommandozeileTest, public ::testing::WithParamInterface<Optionsfall> {};

// The options anywhere and in every spelling; what they name is the plain call's.
TEST_P(Optionen, StandAnywhere) {
    const std::string ort = verzeichnis.pfad().string();
    std::vector<const char*> argumente;
    for (const char* a : GetParam().argumente) {
        argumente.push_back(std::string_view(a) == "ORT" ? ort.c_str() : a);
    }
    const std::string erwartet = starte({"bilanz"}).aus;
    std::filesystem::current_path("/");
    const Lauf lauf = starte(argumente);
    std::filesystem::current_path(verzeichnis.pfad());
    EXPECT_EQ(lauf.status, GetParam().status);
    if (GetParam().status == erfolg && std::string_view(argumente.back()) != "--version") {
        EXPECT_EQ(lauf.aus, erwartet);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Aufruf, Optionen,
    ::testing::Values(Optionsfall{{"--dir", "ORT", "bilanz"}, erfolg},
                      Optionsfall{{"-C", "ORT", "bilanz"}, erfolg},
                      Optionsfall{{"bilanz", "--dir", "ORT"}, erfolg},
                      Optionsfall{{"-C", "ORT", "--", "bilanz"}, erfolg},
                      Optionsfall{{"bilanz", "--dir"}, falscher_aufruf},
                      Optionsfall{{"-x", "bilanz"}, falscher_aufruf},
                      Optionsfall{{"--csv", "-C", "ORT", "bilanz"}, falscher_aufruf},
                      Optionsfall{{"-C", "ORT", "pruefen", "--loesung", "a.sdn", "b.sdn"},
                                  falscher_aufruf},
                      Optionsfall{{"bilanz", "--version"}, erfolg}),
    [](const auto& info) {
        return test::zeilenname(test::verbunden(info.param.argumente), info.index);
    });

} // namespace
} // namespace saldino::cli
