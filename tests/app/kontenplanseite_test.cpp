#include "app/fenster.h"
#include "app/startseite.h"
#include "gui/bausteine.h"
#include "hilfen/steuerelemente.h"
#include "hilfen/testnamen.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/kontenplanseite.h"

#include <QLabel>
#include <QTableWidget>

namespace saldino::test {
namespace {

const QString frage1 = QStringLiteral(
    "Neuer Kontenplan bedeutet, dass alle Buchungen gelöscht werden! Wollen Sie weiter?");
const QString frage2 = QStringLiteral("Die Buchungssätze werden jetzt gelöscht!");

class KontenplanSeiteTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        verzeichnis.schreibe(journal::journaldatei, std::string(3 * journal::satzlaenge, '\0'));
    }

    void waehle_kontenplan_in_datei(int index) {
        std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt",
                             text.substr(0, text.rfind("-1\r\n")) + std::to_string(index) + "\r\n");
    }

    masterdata::KontenplanSeite* seite() { return form->TabSheet9; }
    QTableWidget* gitter() { return seite()->StringGrid1; }

    QString zelle(int zeile, int spalte) {
        const QTableWidgetItem* item = gitter()->item(zeile, spalte);
        return item == nullptr ? QString() : item->text();
    }

    int gefuellte_zeilen() {
        int anzahl = 0;
        for (int zeile = 0; zeile < gitter()->rowCount(); ++zeile) {
            anzahl += zelle(zeile, 0).isEmpty() ? 0 : 1;
        }
        return anzahl;
    }
};

class Abgelehnt : public KontenplanSeiteTest, public ::testing::WithParamInterface<bool> {};

TEST_P(Abgelehnt, NoToEitherQuestionChangesNothing) {
    starte();
    const bool erste_ja = GetParam();
    dialoge.antworte(erste_ja);
    if (erste_ja) {
        dialoge.antworte(false);
    }
    klicke(knopf::kontenplan);
    EXPECT_EQ(dialoge.nimm(Art::frage), frage1);
    if (erste_ja) {
        EXPECT_EQ(dialoge.nimm(Art::frage), frage2);
    }
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei).size(), 3 * journal::satzlaenge);
    EXPECT_EQ(form->anzahl_buchungen, 3);
    EXPECT_EQ(form->TabSheet4->Label45->text(), "3/3");
    EXPECT_EQ(form->sichtbare_seite(), static_cast<QWidget*>(form->TabSheet1));
}

INSTANTIATE_TEST_SUITE_P(Kontenplan, Abgelehnt, ::testing::Bool(), test::Zeilenname());

TEST_F(KontenplanSeiteTest, YesYesEmptiesTheJournalAndReloadsTheSelectedChart) {
    waehle_kontenplan_in_datei(2);
    starte();
    ASSERT_EQ(form->kontenplan_nr, 3);
    verzeichnis.schreibe("einstellungen.txt", "veraltet");
    dialoge.antworte(true);
    dialoge.antworte(true);
    klicke(knopf::kontenplan);
    EXPECT_EQ(dialoge.nimm(Art::frage), frage1);
    EXPECT_EQ(dialoge.nimm(Art::frage), frage2);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), "");
    EXPECT_EQ(form->anzahl_buchungen, 0);
    EXPECT_EQ(form->aktuelle_buchung, 0);
    EXPECT_EQ(form->TabSheet4->Label45->text(), "0/0");
    EXPECT_EQ(form->sichtbare_seite(), seite());
    EXPECT_EQ(seite()->Label24->text(), "Aktuell: 3");
    EXPECT_EQ(zelle(0, 0), "0500 Unbebaute Grundstücke");
    EXPECT_EQ(zelle(0, 1), "*");
    EXPECT_EQ(zelle(0, 3), "A");
    EXPECT_EQ(zelle(46, 0), "Eröffnungsbilanzkonto");
    EXPECT_EQ(gefuellte_zeilen(), 47);
    EXPECT_TRUE(verzeichnis.lies("einstellungen.txt").ends_with("\r\nIndustrie\r\n2\r\n"));
}

TEST_F(KontenplanSeiteTest, ChoosingAChartSavesItAndAShorterOneLeavesNoOldRows) {
    starte();
    dialoge.antworte(true);
    dialoge.antworte(true);
    klicke(knopf::kontenplan);
    dialoge.nimm_alle(Art::frage);
    EXPECT_EQ(seite()->Label24->text(), "z.Zt. ausgewählt: 0");
    EXPECT_EQ(gefuellte_zeilen(), 0);

    klicke(knopf::kontenplan_waehlen[4]);
    EXPECT_EQ(form->kontenplan_nr, 4);
    EXPECT_EQ(form->TabSheet7->RadioGroup1ItemIndex(), 3);
    EXPECT_EQ(seite()->Label24->text(), "Aktuell: 4");
    EXPECT_EQ(gefuellte_zeilen(), 64);
    EXPECT_TRUE(verzeichnis.lies("einstellungen.txt").ends_with("\r\n3\r\n"));

    klicke(knopf::kontenplan_waehlen[1]);
    EXPECT_EQ(form->kontenplan_nr, 1);
    EXPECT_EQ(seite()->Label24->text(), "Aktuell: 1");
    EXPECT_EQ(gefuellte_zeilen(), 20);
    EXPECT_EQ(zelle(11, 0), "Aufwendungen für Waren");
    EXPECT_EQ(zelle(11, 2), "*");
    EXPECT_EQ(zelle(11, 3), "S");
    EXPECT_EQ(zelle(11, 4), "B");
    EXPECT_TRUE(verzeichnis.lies("einstellungen.txt").ends_with("\r\n0\r\n"));
}

TEST_F(KontenplanSeiteTest, ALongChartMakesTheGridGrow) {
    std::string lang;
    for (int i = 1; i <= 120; ++i) {
        lang += "Konto " + std::to_string(i) + "<B> A  B\r\n";
    }
    verzeichnis.schreibe("Kontenplan2.txt", lang);
    starte();
    dialoge.antworte(true);
    dialoge.antworte(true);
    klicke(knopf::kontenplan);
    dialoge.nimm_alle(Art::frage);
    klicke(knopf::kontenplan_waehlen[2]);
    EXPECT_EQ(gitter()->rowCount(), 120);
    EXPECT_EQ(zelle(119, 0), "Konto 120");
    klicke(knopf::kontenplan_waehlen[1]);
    EXPECT_EQ(gitter()->rowCount(), 99);
    EXPECT_EQ(gefuellte_zeilen(), 20);
}

TEST_F(KontenplanSeiteTest, AMissingChartShowsTheBoxAfterTheChoiceWasSaved) {
    verzeichnis.entferne("Kontenplan2.txt");
    starte();
    dialoge.antworte(true);
    dialoge.antworte(true);
    klicke(knopf::kontenplan);
    dialoge.nimm_alle(Art::frage);
    klicke(knopf::kontenplan_waehlen[2]);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Datei nicht gefunden");
    EXPECT_EQ(form->kontenplan_nr, 2);
    EXPECT_TRUE(verzeichnis.lies("einstellungen.txt").ends_with("\r\n1\r\n"));
    EXPECT_EQ(seite()->Label24->text(), "z.Zt. ausgewählt: 0");
}

TEST_F(KontenplanSeiteTest, TheGridCannotBeEdited) {
    starte();
    EXPECT_EQ(gitter()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(gitter()->columnWidth(0), 204);
    EXPECT_EQ(gitter()->columnWidth(4), 58);
}

TEST_F(KontenplanSeiteTest, AsksForAChartOnlyWhenAnAccountIsLookedUpWithoutOne) {
    verzeichnis.schreibe("Kontenplan1.txt", "Kasse<B> A  B\r\n");
    starte();
    EXPECT_FALSE(form->ist_konto("Kasse"));
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Du hast keinen Kontenplan ausgewählt!");
    form->kontenplan_nr = 1;
    EXPECT_TRUE(form->ist_konto("Kasse"));
    EXPECT_FALSE(form->ist_konto("Kasse "));
}

} // namespace
} // namespace saldino::test
