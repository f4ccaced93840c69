#include "app/fenster.h"
#include "app/startseite.h"
#include "backup/aufgaben.h"
#include "backup/aufgabenseite.h"
#include "backup/pruefung.h"
#include "hilfen/steuerelemente.h"
#include "hilfen/testnamen.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/firmenseite.h"

#include <QCheckBox>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

namespace saldino::test {
namespace {

class EinstellungsTest : public FensterTest {
protected:
    void SetUp() override { verzeichnis.mit_daten(); }

    masterdata::EinstellungsSeite* seite() { return form->TabSheet7; }
};

class Zugangswort : public EinstellungsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(Zugangswort, OnlyTheExactWordOpensTheSettings) {
    starte();
    form->TabSheet2->Edit[0]->setText(QString::fromUtf8(GetParam()));
    klicke(knopf::einstellungen);
    if (QString::fromUtf8(GetParam()) == "Kustos") {
        EXPECT_EQ(form->sichtbare_seite(), seite());
    } else {
        EXPECT_EQ(dialoge.nimm(Art::meldung), "Sie haben keine Berechtigung für diesen Menüpunkt!");
        EXPECT_EQ(form->sichtbare_seite(), static_cast<QWidget*>(form->TabSheet1));
    }
    EXPECT_EQ(form->TabSheet2->Edit[0]->text(), QString::fromUtf8(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Einstellungen, Zugangswort,
                         ::testing::Values("Kustos", "kustos", "KUSTOS", "Kustos ", " Kustos", "",
                                           "Kust"),
                         test::Zeilenname());

TEST_F(EinstellungsTest, SavingWritesBothPagesAndTheNextStartReadsThemBack) {
    starte();
    const std::array<QString, 8> firma = {"Fahrrad Müller", "Hauptstr. 1", "12345 Stadt",
                                          "4711",           "100 200 30",  "Sparkasse",
                                          "Frau Kunz",      "Herr Müller"};
    for (std::size_t i = 0; i < firma.size(); ++i) {
        form->TabSheet2->Edit[i]->setText(firma[i]);
    }
    seite()->CheckBox1->setChecked(false);
    seite()->Edit13->setText("19,00");
    seite()->Edit28->setText("2006");
    klicke(knopf::einstellungen_speichern);
    EXPECT_EQ(
        verzeichnis.lies("einstellungen.txt"),
        "Fahrrad M\xFCller\r\nHauptstr. 1\r\n12345 Stadt\r\n4711\r\n100 200 "
        "30\r\nSparkasse\r\nFrau Kunz\r\n"
        "Herr "
        "M\xFCller\r\nfalse\r\n19,00\r\nfalse\r\n2006\r\nEinfach\r\nUmfangreicher\r\nHandel\r\n"
        "Industrie\r\n-1\r\n");
    // A date without a year now lands in 2006.
    EXPECT_EQ(form->buchungsjahr, 2006);

    form.reset();
    starte();
    EXPECT_EQ(form->buchungsjahr, 2006);
    for (std::size_t i = 0; i < firma.size(); ++i) {
        EXPECT_EQ(form->TabSheet2->Edit[i]->text(), firma[i]);
    }
    EXPECT_FALSE(seite()->CheckBox1->isChecked());
    EXPECT_FALSE(seite()->Edit13->isEnabled());
    EXPECT_EQ(seite()->Edit13->text(), "19,00");
    EXPECT_EQ(seite()->RadioGroup1ItemIndex(), -1);
    for (QRadioButton* knopf : seite()->RadioGroup1Items) {
        EXPECT_FALSE(knopf->isChecked());
    }
    EXPECT_EQ(form->kontenplan_nr, 0);
}

// A class shares one exercise folder: named on the settings page, its
// exercises get their buttons and "Prüfen" takes its solutions; it is kept
// in aufgabenordner.txt, einstellungen.txt stays as it was.
TEST_F(EinstellungsTest, TheExerciseFolderIsReadForExercisesAndSolutions) {
    const std::filesystem::path ordner = verzeichnis.pfad() / "klasse";
    std::filesystem::create_directory(ordner);
    verzeichnis.schreibe("klasse/Aufgabe20.txt", "Aufgabe 20: Geteilt (Kontenplan 1)\r\n");
    verzeichnis.schreibe("klasse/aufgabe20.txt", "Aufgabe 20: Geteilt (Kontenplan 1)\r\nx\r\n");
    std::filesystem::create_directory(ordner / "loesungen");
    verzeichnis.schreibe("klasse/loesungen/loesung20.sdn",
                         Arbeitsverzeichnis::lies_datei(loesung(1)));
    starte();
    const std::string einstellungen = verzeichnis.lies("einstellungen.txt");
    seite()->Aufgabenordner->setText(QString::fromStdString(ordner.string()));
    klicke(knopf::einstellungen_speichern);
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), einstellungen);
    EXPECT_EQ(verzeichnis.lies("aufgabenordner.txt"), ordner.string() + "\r\n");
    EXPECT_EQ(form->TabSheet8->nummern().back(), 20);
    EXPECT_EQ(backup::loesung_fuer(20, form->programmdaten),
              (ordner / "loesungen" / "loesung20.sdn").string());

    form.reset();
    starte();
    EXPECT_EQ(seite()->Aufgabenordner->text(), QString::fromStdString(ordner.string()));
    EXPECT_EQ(form->TabSheet8->findChild<QLabel*>(QStringLiteral("Aufgabentitel20"))->text(),
              "Aufgabe 20: Geteilt (Kontenplan 1)");
    backup::aufgabenordner_setzen({});
}

TEST_F(EinstellungsTest, OkOnTheCompanyPageWritesTheFileEvenWithoutOne) {
    verzeichnis.entferne("einstellungen.txt");
    starte();
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Datei nicht gefunden");
    form->TabSheet2->Edit[0]->setText("Neu");
    klicke(knopf::firma_ok);
    EXPECT_EQ(
        verzeichnis.lies("einstellungen.txt"),
        "Neu\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\ntrue\r\n0,00\r\nfalse\r\n\r\n\r\n\r\n\r\n\r\n0\r\n");
}

TEST_F(EinstellungsTest, TheVatBoxEnablesTheRateAndItsLabels) {
    starte();
    for (bool an : {false, true, false}) {
        seite()->CheckBox1->setChecked(an);
        EXPECT_EQ(seite()->Label22->isEnabled(), an);
        EXPECT_EQ(seite()->Edit13->isEnabled(), an);
        EXPECT_EQ(seite()->Label23->isEnabled(), an);
    }
    EXPECT_EQ(seite()->Edit13->text(), "0,00");
}

TEST_F(EinstellungsTest, RestoringDefaultsTouchesNeitherRateNorCompanyNorFile) {
    starte();
    const std::string datei = verzeichnis.lies("einstellungen.txt");
    form->TabSheet2->Edit[0]->setText("Firma");
    seite()->CheckBox1->setChecked(false);
    seite()->CheckBox2->setChecked(true);
    seite()->Edit13->setText("7,00");
    seite()->Edit28->setText("1999");
    seite()->Edit9bis12[1]->setText("x");
    seite()->setzeRadioGroup1ItemIndex(2);
    klicke(knopf::grundeinstellungen_wiederherstellen);
    EXPECT_TRUE(seite()->CheckBox1->isChecked());
    EXPECT_TRUE(seite()->Edit13->isEnabled());
    EXPECT_FALSE(seite()->CheckBox2->isChecked());
    EXPECT_EQ(seite()->Edit28->text(), "2004");
    EXPECT_EQ(seite()->Edit9bis12[0]->text(), "Einfach");
    EXPECT_EQ(seite()->Edit9bis12[1]->text(), "Umfangreicher");
    EXPECT_EQ(seite()->Edit9bis12[2]->text(), "Handel");
    EXPECT_EQ(seite()->Edit9bis12[3]->text(), "Industrie");
    EXPECT_EQ(seite()->Edit13->text(), "7,00");
    EXPECT_EQ(form->TabSheet2->Edit[0]->text(), "Firma");
    EXPECT_EQ(seite()->RadioGroup1ItemIndex(), 2);
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), datei);
}

TEST_F(EinstellungsTest, AReadOnlySettingsFileShowsTheBoxAndStaysWhole) {
    starte();
    const std::string datei = verzeichnis.lies("einstellungen.txt");
    form->TabSheet2->Edit[0]->setText("Neu");
    {
        Schreibschutz schutz("einstellungen.txt");
        klicke(knopf::einstellungen_speichern);
    }
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Dateizugriff verweigert");
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), datei);
    EXPECT_TRUE(form->isVisible());
}

} // namespace
} // namespace saldino::test
