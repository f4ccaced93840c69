// The pages against a small stand-in for the window: this executable links
// saldino_gui without saldino_app, so a page that reached for the window
// would not link, and each test checks one path through gui::Programm.
#include "backup/aufgaben.h"
#include "backup/aufgabenseite.h"
#include "gui/bausteine.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "journal/eroeffnungsseite.h"
#include "masterdata/einstellungen.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/firmenseite.h"
#include "masterdata/kontenplanseite.h"
#include "reports/berichtsseite.h"
#include "reports/kontenblattseite.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/skriptdialoge.h"
#include "hilfen/testprogramm.h"

#include "gui/berichtsansicht.h"
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <memory>

namespace saldino::test {
namespace {

class SeitenTest : public ::testing::Test {
protected:
    using Art = SkriptDialoge::Art;

    void SetUp() override {
        verzeichnis.mit_daten();
        journal::journal_sichern();
        programm.buchungsjahr = 2004;
        programm.startverzeichnis = verzeichnis.pfad();
    }
    void TearDown() override {
        eltern.reset();
        dialoge.pruefe_leer();
    }

    Arbeitsverzeichnis verzeichnis;
    SkriptDialoge dialoge;
    TestProgramm programm{dialoge};
    std::unique_ptr<QWidget> eltern = std::make_unique<QWidget>();
};

TEST_F(SeitenTest, EveryPageIsBuiltWithoutTheWindow) {
    const std::vector<QWidget*> seiten = {
        new masterdata::FirmenSeite(programm, eltern.get()),
        new masterdata::EinstellungsSeite(programm, eltern.get()),
        new masterdata::KontenplanSeite(programm, eltern.get()),
        new journal::EroeffnungsSeite(programm, eltern.get()),
        new journal::BuchungsSeite(programm, eltern.get()),
        reports::bilanzseite(programm, eltern.get()),
        reports::journalseite(programm, eltern.get()),
        new reports::KontenblattSeite(programm, eltern.get()),
        reports::betriebsergebnisseite(programm, eltern.get()),
        reports::pruefergebnisseite(programm, eltern.get()),
        new backup::AufgabenSeite(programm, eltern.get()),
    };
    QStringList namen;
    for (QWidget* seite : seiten) {
        namen << seite->objectName();
    }
    EXPECT_EQ(namen.join(' '), "TabSheet2 TabSheet7 TabSheet9 TabSheet3 TabSheet4 TabSheet5 "
                               "TabSheet6 TabSheet10 TabSheet11 TabSheet12 TabSheet8");
    // Pages with a show handler registered it with the program.
    EXPECT_EQ(programm.zeige_handler.size(), 7U);
}

TEST_F(SeitenTest, ABookingIsStoredAndCountedThroughTheProgram) {
    programm.kontenplan_nr = 1;
    auto* seite = new journal::BuchungsSeite(programm, eltern.get());
    programm.seite_zeigen(seite);
    ASSERT_EQ(seite->ComboBox[0]->count(), 20);
    seite->SpeedButton8->click();
    seite->Edit14->setText("0201");
    seite->ComboBox[0]->setEditText("Kasse");
    seite->ComboBox[1]->setEditText("Bank");
    seite->Soll[0]->setText("200,00");
    seite->Haben[1]->setText("200,00");
    seite->SpeedButton29->click();
    EXPECT_EQ(programm.anzahl_buchungen, 1);
    EXPECT_EQ(programm.aktuelle_buchung, 1);
    EXPECT_EQ(programm.position, "1/1");
    EXPECT_EQ(journal::lies_buchung(1).Datum, "02.01.2004");

    seite->SpeedButton8->click();
    seite->Soll[0]->setText("1,00");
    seite->SpeedButton29->click();
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Konto nicht gefunden!");
    EXPECT_EQ(programm.anzahl_buchungen, 1);
}

TEST_F(SeitenTest, TheSettingsPageAsksTheProgramForTheCompanyName) {
    auto* seite = new masterdata::EinstellungsSeite(programm, eltern.get());
    seite->SpeedButton24Click();
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Sie haben keine Berechtigung für diesen Menüpunkt!");
    programm.werte.firma[0] = "Kustos";
    seite->SpeedButton24Click();
    EXPECT_EQ(programm.sichtbare_seite(), seite);
}

TEST_F(SeitenTest, ChoosingAChartSetsTheProgramsChartAndSavesIt) {
    auto* seite = new masterdata::KontenplanSeite(programm, eltern.get());
    seite->SpeedButton10bis13[2]->click();
    EXPECT_EQ(programm.kontenplan_nr, 3);
    EXPECT_EQ(programm.kontenplan_index(), 2);
    masterdata::Einstellungen gelesen;
    masterdata::lies_einstellungen(gelesen);
    EXPECT_EQ(gelesen.kontenplan_index, 2);
}

TEST_F(SeitenTest, TheExercisePageFillsTheChecklistAndShowsTheCheckThroughTheProgram) {
    auto* seite = new backup::AufgabenSeite(programm, eltern.get());
    seite->SpeedButton37->click();
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Bitte wähle zuerst eine Aufgabe aus!");
    seite->SpeedButton14bis21[0]->click();
    EXPECT_EQ(programm.aufgabenliste, backup::lies_aufgabenliste(1));
    EXPECT_FALSE(programm.aufgabenliste.empty());
    programm.kontenplan_nr = 1;
    programm.programmdaten = SALDINO_DATA_DIR; // where the solutions are
    seite->SpeedButton37->click();
    ASSERT_GT(programm.pruefergebnis.size(), 2U);
    EXPECT_EQ(programm.pruefergebnis[0], "Aufgabe 1"); // no title read: the number names it
    EXPECT_EQ(programm.pruefergebnis[2].rfind("0 von ", 0), 0U) << programm.pruefergebnis[2];
}

struct Platzfall {
    QRect verfuegbar;
    QPoint erwartet;
};

class Fensterplatz : public ::testing::TestWithParam<Platzfall> {};

TEST_P(Fensterplatz, KeepsItsPlaceOnlyWhereTheScreenHoldsIt) {
    EXPECT_EQ(gui::fensterplatz(GetParam().verfuegbar, {195, 249}, {808, 627}),
              GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Bildschirme, Fensterplatz,
    ::testing::Values(Platzfall{{0, 0, 1920, 1080}, {195, 249}},
                      Platzfall{{0, 0, 1366, 728}, {195, 101}},      // 1366 x 768 with a panel
                      Platzfall{{0, 40, 1024, 728}, {195, 141}},     // a panel at the top
                      Platzfall{{0, 0, 960, 540}, {152, 0}},         // 1920 x 1080 at 200 %
                      Platzfall{{1920, 0, 1280, 1024}, {1920, 249}}, // a second screen
                      Platzfall{{0, 0, 800, 600}, {0, 0}}),
    [](const auto& info) {
        return test::zeilenname(std::to_string(info.param.verfuegbar.width()) + "x" +
                                    std::to_string(info.param.verfuegbar.height()),
                                info.index);
    });

} // namespace
} // namespace saldino::test
