// "Prüfen" on the exercise page: the journal against the solution of the
// exercise last opened, on the page "Prüfergebnis".
#include "app/fenster.h"
#include "backup/aufgabenseite.h"
#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/firmenseite.h"
#include "reports/berichtsseite.h"

#include "gui/berichtsansicht.h"
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace saldino::test {
namespace {

class PruefenImFensterTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        // The pupil has loaded the solution of exercise 2 and so booked it all.
        masterdata::Einstellungen werte;
        masterdata::lies_einstellungen(werte);
        ASSERT_EQ(backup::lade_sicherung(loesung(2), werte).ungueltige_zeile, 0);
        starte();
        klicke(knopf::aufgaben);
    }

    void pruefen() { klicke(knopf::pruefen); }
    QString titel(int n) {
        return form->TabSheet8->Label36bis43[static_cast<std::size_t>(n - 1)]->text();
    }
};

TEST_F(PruefenImFensterTest, WithoutAnOpenedExerciseAsksForOne) {
    pruefen();
    EXPECT_EQ(dialoge.nimm(Art::meldung), QStringLiteral("Bitte wähle zuerst eine Aufgabe aus!"));
    EXPECT_EQ(form->sichtbare_seite(), form->TabSheet8);
}

TEST_F(PruefenImFensterTest, ShowsTheResultOnItsOwnPage) {
    klicke(knopf::aufgabe[2]);
    pruefen();
    EXPECT_EQ(form->sichtbare_seite(), form->TabSheet12);
    const QString text = form->TabSheet12->Memo->toPlainText();
    EXPECT_EQ(text, titel(2) + "\n\n12 von 12 Buchungen richtig\n\nAlles richtig gebucht!");
    EXPECT_TRUE(text.startsWith("Aufgabe 2: "));
    EXPECT_TRUE(form->TabSheet12->Memo->umbruch());

    // The exercise last opened counts: exercise 4 needs chart 2.
    klicke(knopf::aufgaben);
    klicke(knopf::aufgabe[4]);
    pruefen();
    EXPECT_EQ(form->TabSheet12->Memo->toPlainText(),
              titel(4) + "\n\n" +
                  QStringLiteral("Diese Aufgabe braucht den Kontenplan 2 („Umfangreicher“). Bitte "
                                 "wähle ihn zuerst aus."));
}

// The solutions are the program's; a teacher's own in the working directory comes first.
TEST_F(PruefenImFensterTest, TheProgramsSolutionServesUnlessTheDirectoryHasItsOwn) {
    EXPECT_FALSE(verzeichnis.gibt_es("loesung2.sdn"));
    klicke(knopf::aufgabe[2]);
    pruefen();
    EXPECT_TRUE(form->TabSheet12->Memo->toPlainText().contains("Alles richtig gebucht!"));
    EXPECT_EQ(backup::loesung_fuer(2, form->programmdaten), loesung(2));
    verzeichnis.schreibe("loesung2.sdn", "eigene");
    EXPECT_EQ(backup::loesung_fuer(2, form->programmdaten), "loesung2.sdn");
}

// A teacher (by the access word) writes exercise 15 with the dialog, saves
// the journal as its solution after reading its figures, and "Prüfen" agrees.
TEST_F(PruefenImFensterTest, ATeacherWritesAnExerciseAndItsSolution) {
    backup::AufgabenSeite* seite = form->TabSheet8;
    seite->AufgabeBearbeiten->click();
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Sie haben keine Berechtigung für diesen Menüpunkt!");

    form->TabSheet2->Edit[0]->setText(QStringLiteral("Kustos"));
    dialoge.fuelle_aufgabe({15, QStringLiteral("Aufgabe 15: Pfeile → (Kontenplan 1)"), {}});
    dialoge.fuelle_aufgabe({15, QStringLiteral("Aufgabe 15: Eigene Aufgabe (Kontenplan 1)"),
                            QStringLiteral("Kontenplan 1 (Einfach) wählen\n"
                                           "Kontenblatt „Kasse“ lesen\n\n")});
    seite->AufgabeBearbeiten->click();
    EXPECT_EQ(dialoge.nimm(Art::aufgabe), "");
    EXPECT_EQ(dialoge.nimm(Art::meldung),
              "Das Zeichen „→“ kann in einer Aufgabe nicht gespeichert werden.");
    dialoge.nimm(Art::aufgabe);
    EXPECT_EQ(verzeichnis.lies("aufgabe15.txt"),
              "Aufgabe 15: Eigene Aufgabe (Kontenplan 1)\r\nKontenplan 1 (Einfach) w\xE4hlen\r\n"
              "Kontenblatt \x84Kasse\x93 lesen\r\n");
    EXPECT_EQ(seite->findChild<QLabel*>(QStringLiteral("Aufgabentitel15"))->text(),
              "Aufgabe 15: Eigene Aufgabe (Kontenplan 1)");
    EXPECT_EQ(seite->letzte_aufgabe(), 15);

    dialoge.antworte(true);
    seite->AlsLoesungSpeichern->click();
    const QString zahlen = dialoge.nimm(Art::frage);
    EXPECT_TRUE(zahlen.contains("\nVerlust: 650,00\n")) << zahlen.toStdString();
    EXPECT_TRUE(zahlen.contains("\nKasse: 1650,00")) << zahlen.toStdString();
    EXPECT_TRUE(verzeichnis.gibt_es("loesung15.sdn"));

    pruefen();
    EXPECT_TRUE(form->TabSheet12->Memo->toPlainText().endsWith("Alles richtig gebucht!"));
}

TEST_F(PruefenImFensterTest, AnExerciseWithoutSolutionSaysSo) {
    form->programmdaten = verzeichnis.pfad();
    klicke(knopf::aufgabe[3]);
    pruefen();
    EXPECT_EQ(dialoge.nimm(Art::meldung),
              QStringLiteral("Zu dieser Aufgabe gibt es keine Lösung."));
    EXPECT_EQ(form->sichtbare_seite(), form->TabSheet8);
}

TEST_F(PruefenImFensterTest, ADamagedSolutionGivesTheLoadersMessageAndChangesNothing) {
    verzeichnis.schreibe("loesung1.sdn", "nur eine Zeile\r\n");
    const std::string journal = verzeichnis.lies(journal::journaldatei);
    klicke(knopf::aufgabe[1]);
    pruefen();
    EXPECT_EQ(dialoge.nimm(Art::meldung),
              QStringLiteral("Die Datei %1 ist keine gültige Saldino-Sicherung (Zeile 1).")
                  .arg(QString::fromStdString((verzeichnis.pfad() / "loesung1.sdn").string())));
    EXPECT_EQ(form->sichtbare_seite(), form->TabSheet8);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), journal);
    EXPECT_EQ(verzeichnis.lies("loesung1.sdn"), "nur eine Zeile\r\n");
}

} // namespace
} // namespace saldino::test
