#include "app/fenster.h"
#include "backup/aufgabenseite.h"
#include "backup/sicherung.h"
#include "gui/bausteine.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "masterdata/einstellungen.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/firmenseite.h"
#include "masterdata/kontenplanseite.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

namespace saldino::test {
namespace {

const QString laden_frage =
    QStringLiteral("Alle aktuellen Daten (Firmendaten, Kontenplan und Buchungen) werden durch die "
                   "Sicherung ersetzt! Fortfahren?");

class SicherungsbefehleTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        buche({{"Kasse", 10, 0}, {"Bank", 0, 10}}, "eins");
    }

    QString pfad(const char* name) {
        return QString::fromStdString((verzeichnis.pfad() / name).string());
    }

    void mit_kontenplan_1() {
        const std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("-1\r\n")) + "0\r\n");
    }
};

TEST_F(SicherungsbefehleTest, SavingProposesTheCompanyThenTheLastFileAndCancelWritesNothing) {
    starte();
    form->TabSheet2->Edit[0]->setText("Firma");
    dialoge.waehle_datei(QString());
    klicke(knopf::alles_speichern);
    EXPECT_EQ(dialoge.nimm(Art::speichern), "Aktuellen Stand zwischenspeichern");
    EXPECT_EQ(dialoge.letzte_auswahl.vorschlag, "Firma.sdn");
    EXPECT_EQ(dialoge.letzte_auswahl.filter, "Saldino-Dateien (*.sdn)");
    EXPECT_EQ(dialoge.letzte_auswahl.endung, "sdn");
    EXPECT_EQ(verzeichnis.dateien(),
              "Aufgabe1.txt Aufgabe10.txt Aufgabe11.txt Aufgabe12.txt Aufgabe13.txt "
              "Aufgabe14.txt Aufgabe2.txt Aufgabe3.txt Aufgabe4.txt Aufgabe5.txt "
              "Aufgabe6.txt Aufgabe7.txt Aufgabe8.txt Aufgabe9.txt Kontenplan1.txt "
              "Kontenplan2.txt Kontenplan3.txt Kontenplan4.txt Wichtiger Hinweis.rtf "
              "aufgabe1.txt aufgabe10.txt aufgabe11.txt aufgabe12.txt aufgabe13.txt "
              "aufgabe14.txt aufgabe2.txt aufgabe3.txt aufgabe4.txt aufgabe5.txt aufgabe6.txt "
              "aufgabe7.txt aufgabe8.txt aufgabe9.txt buchungen.dat einstellungen.txt "
              "titelbild.bmp");

    dialoge.waehle_datei(pfad("stand.sdn"));
    klicke(knopf::alles_speichern);
    dialoge.nimm(Art::speichern);
    EXPECT_EQ(verzeichnis.lies("stand.sdn"),
              "Firma||||||||0\r\n|0|01.01.2004||eins|Kasse|10|0|Bank|0|10||0|0||0|0||0|0|\r\n");

    // An existing file is replaced only when asked; "Nein" returns to the dialog.
    form->TabSheet2->Edit[0]->setText("Fir|ma");
    dialoge.waehle_datei(pfad("stand.sdn"));
    dialoge.antworte(false);
    dialoge.waehle_datei(pfad("stand.sdn"));
    dialoge.antworte(true);
    klicke(knopf::alles_speichern);
    dialoge.nimm(Art::speichern);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Die Datei stand.sdn gibt es schon. Ersetzen?");
    dialoge.nimm(Art::speichern);
    dialoge.nimm(Art::frage);
    EXPECT_EQ(dialoge.letzte_auswahl.vorschlag, pfad("stand.sdn"));
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Achtung: Ein Text enthält das Zeichen |. Diese "
                                          "Sicherung kann nicht wieder geladen werden.");
    EXPECT_TRUE(verzeichnis.lies("stand.sdn").starts_with("Fir|ma|"));
}

TEST_F(SicherungsbefehleTest, SavingRefusesTheProgramsOwnFilesAndForeignOnes) {
    verzeichnis.schreibe("notizen.txt", "meine Notizen\r\n");
    starte();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    for (const char* name : {"buchungen.dat", "einstellungen.txt", "aufgabe1.txt", "notizen.txt"}) {
        dialoge.waehle_datei(pfad(name));
        klicke(knopf::alles_speichern);
        dialoge.nimm(Art::speichern);
        EXPECT_EQ(dialoge.nimm(Art::meldung),
                  QStringLiteral("Die Datei %1 gehört zum Programm und kann nicht überschrieben "
                                 "werden.")
                      .arg(pfad(name)));
    }
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    EXPECT_EQ(verzeichnis.lies("notizen.txt"), "meine Notizen\r\n");
    // The refused name is not proposed again.
    dialoge.waehle_datei(QString());
    klicke(knopf::alles_speichern);
    dialoge.nimm(Art::speichern);
    EXPECT_EQ(dialoge.letzte_auswahl.vorschlag, "sicherung.sdn");
    // A teacher's own solution is a backup like any other.
    dialoge.waehle_datei(pfad("loesung1.sdn"));
    klicke(knopf::alles_speichern);
    dialoge.nimm(Art::speichern);
    EXPECT_TRUE(verzeichnis.gibt_es("loesung1.sdn"));
}

TEST_F(SicherungsbefehleTest, LoadingReplacesCompanyChartAndJournal) {
    verzeichnis.schreibe("gut.sdn",
                         "Neu GmbH|Weg 2|Ort||||Kunz|Chef|3\r\n|"
                         "0|05.03.2004|P|G|2880 Kasse|5|0|2800 Bank|0|5||0|0||0|0||0|0|\r\n"
                         "7|06.03.2004|||2880 Kasse|1|0|2800 Bank|0|1||0|0||0|0||0|0|\r\n");
    starte();
    dialoge.waehle_datei(pfad("gut.sdn"));
    dialoge.antworte(true);
    klicke(knopf::sicherung_laden);
    EXPECT_EQ(dialoge.nimm(Art::oeffnen), "Sicherung laden");
    EXPECT_EQ(dialoge.nimm(Art::frage), laden_frage);
    ASSERT_EQ(dialoge.fortschritte.size(), 1U);
    EXPECT_EQ(dialoge.fortschritte[0].text, "Die Sicherung wird geladen …");
    EXPECT_EQ(form->TabSheet2->Edit[0]->text(), "Neu GmbH");
    EXPECT_EQ(form->TabSheet2->Edit[7]->text(), "Chef");
    EXPECT_EQ(form->kontenplan_nr, 3);
    EXPECT_EQ(form->TabSheet7->RadioGroup1ItemIndex(), 2);
    EXPECT_EQ(form->anzahl_buchungen, 2);
    EXPECT_EQ(form->aktuelle_buchung, 2);
    EXPECT_EQ(form->TabSheet4->Label45->text(), "2/2");
    EXPECT_EQ(form->TabSheet9->Label24->text(), "Aktuell: 3");
    EXPECT_EQ(form->TabSheet9->StringGrid1->item(0, 0)->text(), "0500 Unbebaute Grundstücke");
    EXPECT_EQ(journal::lies_buchung(2).Nr, 7);
    EXPECT_TRUE(verzeichnis.lies("einstellungen.txt").starts_with("Neu GmbH\r\nWeg 2\r\nOrt\r\n"));
    EXPECT_TRUE(verzeichnis.lies("einstellungen.txt").ends_with("\r\nIndustrie\r\n2\r\n"));

    dialoge.waehle_datei(pfad("wieder.sdn"));
    klicke(knopf::alles_speichern);
    dialoge.nimm(Art::speichern);
    EXPECT_EQ(verzeichnis.lies("wieder.sdn"), verzeichnis.lies("gut.sdn"));
}

// The booking page shown while a backup is loaded shows the loaded journal at
// once: "Ändern" then changes nothing of it that the pupil did not see.
TEST_F(SicherungsbefehleTest, LoadingRefreshesTheBookingPageAndAendernKeepsTheLoadedJournal) {
    verzeichnis.schreibe("gut.sdn", "Neu GmbH|Weg 2|Ort||||Kunz|Chef|1\r\n|"
                                    "0|05.03.2004|P|G|Kasse|5|0|Bank|0|5||0|0||0|0||0|0|\r\n");
    buche({{"Kasse", 20, 0}, {"Bank", 0, 20}}, "zwei");
    mit_kontenplan_1();
    starte();
    klicke(knopf::buchungen);
    klicke(knopf::erste);
    dialoge.waehle_datei(pfad("gut.sdn"));
    dialoge.antworte(true);
    klicke(knopf::sicherung_laden);
    dialoge.nimm(Art::oeffnen);
    dialoge.nimm(Art::frage);
    const std::string geladen = verzeichnis.lies(journal::journaldatei);
    EXPECT_EQ(form->TabSheet4->Edit16->text(), "G");
    dialoge.antworte(true);
    klicke(knopf::aendern);
    dialoge.nimm(Art::frage);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), geladen);
}

// A journal replaced behind the page (another program, a copy) is never
// overwritten with a form of the old one: the page shows the new booking.
TEST_F(SicherungsbefehleTest, AendernRefusesAFormOfAJournalReplacedMeanwhile) {
    mit_kontenplan_1();
    starte();
    klicke(knopf::buchungen);
    klicke(knopf::erste);
    verzeichnis.schreibe("gut.sdn", "Neu GmbH|Weg 2|Ort||||Kunz|Chef|1\r\n|"
                                    "0|05.03.2004|P|G|Kasse|5|0|Bank|0|5||0|0||0|0||0|0|\r\n");
    masterdata::Einstellungen werte;
    masterdata::lies_einstellungen(werte);
    ASSERT_EQ(backup::lade_sicherung(pfad("gut.sdn").toStdString(), werte).ungueltige_zeile, 0);
    const std::string neu = verzeichnis.lies(journal::journaldatei);
    klicke(knopf::aendern);
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Das Journal wurde inzwischen ersetzt. Die Buchung wird "
                                          "neu angezeigt; ändere sie bitte noch einmal.");
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), neu);
    EXPECT_EQ(form->TabSheet4->Edit16->text(), "G");
}

TEST_F(SicherungsbefehleTest, ABadFileOrNoChangesNothing) {
    verzeichnis.schreibe("schlecht.sdn", "A||||||||1\r\n|0|x|\r\n");
    starte();
    const std::string journal = verzeichnis.lies(journal::journaldatei);
    const std::string einstellungen = verzeichnis.lies("einstellungen.txt");
    dialoge.waehle_datei(pfad("schlecht.sdn"));
    dialoge.antworte(true);
    klicke(knopf::sicherung_laden);
    dialoge.nimm(Art::oeffnen);
    dialoge.nimm(Art::frage);
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Die Datei " + pfad("schlecht.sdn") +
                                              " ist keine gültige Saldino-Sicherung (Zeile 2).");
    dialoge.waehle_datei(pfad("schlecht.sdn"));
    dialoge.antworte(false);
    klicke(knopf::sicherung_laden);
    dialoge.nimm(Art::oeffnen);
    dialoge.nimm(Art::frage);
    dialoge.waehle_datei(QString());
    klicke(knopf::sicherung_laden);
    dialoge.nimm(Art::oeffnen);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), journal);
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), einstellungen);
    EXPECT_EQ(form->anzahl_buchungen, 1);
}

class AufgabenTest : public FensterTest {
protected:
    void SetUp() override { verzeichnis.mit_daten(); }

    QStringList eintraege() {
        QStringList texte;
        for (int i = 0; i < form->CheckListBox1->count(); ++i) {
            EXPECT_EQ(form->CheckListBox1->item(i)->checkState(), Qt::Unchecked);
            texte.append(form->CheckListBox1->item(i)->text());
        }
        return texte;
    }
};

TEST_F(AufgabenTest, AButtonFillsTheChecklistUntickedAndReloadsIt) {
    verzeichnis.schreibe("aufgabe2.txt", "erste\r\n\r\ndritte\r\n");
    verzeichnis.schreibe("aufgabe3.txt", "a\rb\nc");
    starte();
    klicke(knopf::aufgaben);
    klicke(knopf::aufgabe[1]);
    EXPECT_EQ(eintraege().first(), "Aufgabe 1: Eröffnung einer Firma (Kontenplan 1)");
    form->CheckListBox1->item(0)->setCheckState(Qt::Checked);
    klicke(knopf::aufgabe[2]);
    EXPECT_EQ(eintraege(), (QStringList{"erste", "", "dritte"}));
    form->CheckListBox1->item(2)->setCheckState(Qt::Checked);
    klicke(knopf::aufgabe[2]);
    EXPECT_EQ(eintraege(), (QStringList{"erste", "", "dritte"}));
    klicke(knopf::aufgabe[3]);
    EXPECT_EQ(eintraege(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(form->sichtbare_seite(), static_cast<QWidget*>(form->TabSheet8));
}

TEST_F(AufgabenTest, AMissingChecklistLeavesTheListEmpty) {
    verzeichnis.entferne("aufgabe8.txt");
    starte();
    klicke(knopf::aufgabe[1]);
    klicke(knopf::aufgabe[8]);
    EXPECT_EQ(dialoge.nimm(Art::fehler),
              "Datei " + QString::fromStdString((verzeichnis.pfad() / "aufgabe8.txt").string()) +
                  " kann nicht geöffnet werden. Datei nicht gefunden");
    EXPECT_EQ(form->CheckListBox1->count(), 0);
}

} // namespace
} // namespace saldino::test
