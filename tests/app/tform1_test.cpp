#include "app/anwendung.h"
#include "app/fenster.h"
#include "app/startseite.h"
#include "backup/aufgabenseite.h"
#include "hilfen/steuerelemente.h"
#include "hilfen/testnamen.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/firmenseite.h"
#include "reports/berichtsseite.h"
#include "runtime/text.h"

#include <algorithm>
#include <filesystem>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

namespace saldino::test {
namespace {

std::string leere_saetze(int anzahl) {
    std::string journal;
    for (int i = 0; i < anzahl; ++i) {
        journal::TBuchung b;
        b.Nr = i;
        journal += std::string(reinterpret_cast<const char*>(journal::als_satz(b).data()),
                               journal::satzlaenge);
    }
    return journal;
}

QString ueberschrift(QTableWidget* gitter, int spalte) {
    return gitter->horizontalHeaderItem(spalte)->text();
}

class StartTest : public FensterTest {
protected:
    void SetUp() override { verzeichnis.mit_daten(); }

    QString titel(int n) {
        return form->TabSheet8->Label36bis43[static_cast<std::size_t>(n - 1)]->text();
    }

    // The first line of the supplied title file n.
    static QString geliefert(int n) {
        const std::string text = Arbeitsverzeichnis::lies_datei(SALDINO_DATA_DIR "/Aufgabe" +
                                                                std::to_string(n) + ".txt");
        return QString::fromStdString(runtime::cp1252_nach_utf8(text.substr(0, text.find('\r'))));
    }
};

TEST_F(StartTest, ANewWorkingDirectoryStartsWithoutABoxAndAnEmptyJournal) {
    starte();
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), "");
    EXPECT_EQ(form->anzahl_buchungen, 0);
    EXPECT_EQ(form->aktuelle_buchung, 0);
    EXPECT_EQ(form->TabSheet4->Label45->text(), "0/0");
    EXPECT_FALSE(form->TabSheet4->Label45->isVisible());
    EXPECT_EQ(form->kontenplan_nr, 0);
    EXPECT_EQ(form->buchungsjahr, 2004);
    EXPECT_EQ(form->startverzeichnis, verzeichnis.pfad());
    EXPECT_EQ(titel(1), geliefert(1));
    EXPECT_TRUE(titel(1).startsWith("Aufgabe 1: "));
    EXPECT_EQ(titel(8), geliefert(8));
    auto* grid1 = finde<QTableWidget>(feld::kontenplan_gitter);
    EXPECT_EQ(ueberschrift(grid1, 0), "Bezeichnung");
    EXPECT_EQ(ueberschrift(grid1, 3), "Akt./Pass. bzw. Soll/Haben");
    EXPECT_EQ(ueberschrift(grid1, 4), "");
    auto* grid2 = finde<QTableWidget>(feld::eroeffnung_gitter);
    EXPECT_EQ(ueberschrift(grid2, 0), "Konto");
    EXPECT_EQ(ueberschrift(grid2, 1), "Eröffnungsbetrag");
    EXPECT_EQ(form->sichtbare_seite(), static_cast<QWidget*>(form->TabSheet1));
    EXPECT_EQ(form->windowTitle(), "Saldino");
}

TEST_F(StartTest, TheNoticeIsLoadedWhenTheWindowIsFirstShown) {
    form = std::make_unique<app::TForm1>(dialoge);
    EXPECT_TRUE(form->TabSheet1->RichEdit1->toPlainText().isEmpty());
    starte();
    const QString text = form->TabSheet1->RichEdit1->toPlainText();
    EXPECT_TRUE(text.startsWith("Wichtiger Hinweis\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("alle bisherigen Buchungen")) << text.toStdString();
}

TEST_F(StartTest, AMissingNoticeNamesItsFullPath) {
    verzeichnis.entferne("Wichtiger Hinweis.rtf");
    starte();
    const QString pfad =
        QString::fromStdString((verzeichnis.pfad() / "Wichtiger Hinweis.rtf").string());
    EXPECT_EQ(dialoge.nimm(Art::fehler),
              "Datei " + pfad + " kann nicht geöffnet werden. Datei nicht gefunden");
    EXPECT_TRUE(form->TabSheet1->RichEdit1->toPlainText().isEmpty());
    EXPECT_EQ(form->sichtbare_seite(), static_cast<QWidget*>(form->TabSheet1));
}

struct Journalfall {
    std::size_t bytes;
    int buchungen;
};

class Journalzaehlung : public StartTest, public ::testing::WithParamInterface<Journalfall> {};

TEST_P(Journalzaehlung, CountsTheWholeRecords) {
    verzeichnis.schreibe(journal::journaldatei, leere_saetze(7).substr(0, GetParam().bytes));
    starte();
    EXPECT_EQ(form->anzahl_buchungen, GetParam().buchungen);
    EXPECT_EQ(form->aktuelle_buchung, GetParam().buchungen);
    const QString n = QString::number(GetParam().buchungen);
    EXPECT_EQ(form->TabSheet4->Label45->text(), n + "/" + n);
}

INSTANTIATE_TEST_SUITE_P(Start, Journalzaehlung,
                         ::testing::Values(Journalfall{0, 0}, Journalfall{7 * 528, 7},
                                           Journalfall{1000, 1}, Journalfall{527, 0}),
                         [](const auto& info) {
                             return test::zeilenname(std::to_string(info.param.bytes) + " Bytes",
                                                     info.index);
                         });

TEST_F(StartTest, AMissingSettingsFileLeavesTheDefaultsAndTheRestRuns) {
    verzeichnis.entferne("einstellungen.txt");
    verzeichnis.schreibe(journal::journaldatei, leere_saetze(3));
    starte();
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Datei nicht gefunden");
    EXPECT_EQ(form->kontenplan_nr, 0);
    EXPECT_EQ(form->buchungsjahr, 2004);
    EXPECT_EQ(form->anzahl_buchungen, 3);
    EXPECT_EQ(form->TabSheet7->RadioGroup1ItemIndex(), 0);
    EXPECT_TRUE(form->TabSheet7->CheckBox1->isChecked());
    EXPECT_EQ(titel(8), geliefert(8));
    EXPECT_EQ(ueberschrift(finde<QTableWidget>(feld::eroeffnung_gitter), 0), "Konto");
}

TEST_F(StartTest, ASixteenLineSettingsFileAppliesItsLinesAndSelectsNoChart) {
    verzeichnis.schreibe("einstellungen.txt",
                         "Firma\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nfalse\r\n7,00\r\ntrue\r\n"
                         "2005\r\nE\r\nU\r\nH\r\nI\r\n");
    starte();
    EXPECT_EQ(dialoge.nimm(Art::fehler), "'' ist kein gültiger Integerwert");
    EXPECT_EQ(form->TabSheet2->Edit[0]->text(), "Firma");
    EXPECT_EQ(form->TabSheet7->Edit9bis12[3]->text(), "I");
    EXPECT_FALSE(form->TabSheet7->CheckBox1->isChecked());
    EXPECT_FALSE(form->TabSheet7->Edit13->isEnabled());
    EXPECT_EQ(form->kontenplan_nr, 0);
    // The radio group marks nothing, so the next save keeps "no chart".
    EXPECT_EQ(form->TabSheet7->RadioGroup1ItemIndex(), -1);
    for (QRadioButton* knopf : form->TabSheet7->RadioGroup1Items) {
        EXPECT_FALSE(knopf->isChecked());
    }
    EXPECT_EQ(form->anzahl_buchungen, 0);
}

TEST_F(StartTest, AMissingExerciseTitleLeavesOnlyItsOwnLabelAndTheJournalIsCounted) {
    verzeichnis.entferne("Aufgabe3.txt");
    verzeichnis.schreibe(journal::journaldatei, leere_saetze(2));
    starte();
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Datei nicht gefunden");
    EXPECT_EQ(titel(2), geliefert(2));
    EXPECT_EQ(titel(3), "Label36");
    EXPECT_EQ(titel(4), geliefert(4));
    EXPECT_EQ(form->anzahl_buchungen, 2);
    EXPECT_EQ(form->TabSheet4->Label45->text(), "2/2");
}

// A teacher's exercise 42 (both files) gets its own button below the
// supplied ones, in the scroll area; a title file alone is no exercise.
TEST_F(StartTest, EveryExerciseWithBothFilesGetsAButtonOfItsOwn) {
    verzeichnis.schreibe("Aufgabe42.txt", "Aufgabe 42: Eigene\r\n");
    verzeichnis.schreibe("aufgabe42.txt", "Aufgabe 42: Eigene\r\nerster Punkt\r\n");
    verzeichnis.schreibe("Aufgabe43.txt", "nur der Titel\r\n");
    starte();
    const std::vector<int>& nummern = form->TabSheet8->nummern();
    ASSERT_EQ(nummern.back(), 42);
    EXPECT_EQ(std::count(nummern.begin(), nummern.end(), 43), 0);
    auto* knopf = form->TabSheet8->findChild<QToolButton*>(QStringLiteral("Aufgabenknopf42"));
    ASSERT_NE(knopf, nullptr);
    EXPECT_TRUE(form->TabSheet8->Aufgabenrollbereich->isAncestorOf(knopf));
    EXPECT_EQ(form->TabSheet8->findChild<QLabel*>(QStringLiteral("Aufgabentitel42"))->text(),
              "Aufgabe 42: Eigene");
    knopf->click();
    EXPECT_EQ(form->CheckListBox1->item(1)->text(), "erster Punkt");
}

TEST_F(StartTest, AnExerciseTitleIsTheFirstLineOnly) {
    verzeichnis.schreibe("Aufgabe5.txt", "\r\nzweite Zeile\r\n");
    verzeichnis.schreibe("Aufgabe6.txt", "ohne Zeilenende");
    starte();
    EXPECT_EQ(titel(5), "");
    EXPECT_EQ(titel(6), "ohne Zeilenende");
}

struct Auswahlfall {
    const char* zeile;
    int kontenplan;
};

class Kontenplanzeile : public StartTest, public ::testing::WithParamInterface<Auswahlfall> {};

TEST_P(Kontenplanzeile, SelectsTheClampedChart) {
    std::string text = verzeichnis.lies("einstellungen.txt");
    text = text.substr(0, text.rfind("-1\r\n")) + GetParam().zeile + "\r\n";
    verzeichnis.schreibe("einstellungen.txt", text);
    starte();
    EXPECT_EQ(form->kontenplan_nr, GetParam().kontenplan);
    EXPECT_EQ(form->TabSheet7->RadioGroup1ItemIndex(), GetParam().kontenplan - 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->TabSheet7->RadioGroup1Items[static_cast<std::size_t>(i)]->isChecked(),
                  i == GetParam().kontenplan - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Start, Kontenplanzeile,
                         ::testing::Values(Auswahlfall{"2", 3}, Auswahlfall{"-1", 0},
                                           Auswahlfall{"9", 4}, Auswahlfall{"-7", 0},
                                           Auswahlfall{"0", 1}),
                         [](const auto& info) {
                             return test::zeilenname(info.param.zeile, info.index);
                         });

struct Seitenfall {
    const char* knopf;
    const char* seite;
};

class Seitenbefehle : public StartTest, public ::testing::WithParamInterface<Seitenfall> {
protected:
    void SetUp() override {
        StartTest::SetUp();
        const std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("-1\r\n")) + "0\r\n");
    }
};

TEST_P(Seitenbefehle, ShowTheirPage) {
    starte();
    klicke(GetParam().knopf);
    EXPECT_EQ(form->sichtbare_seite()->objectName(), GetParam().seite);
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Seitenbefehle,
    ::testing::Values(Seitenfall{knopf::eroeffnungsbuchungen, seite::eroeffnung},
                      Seitenfall{knopf::buchungen, seite::buchungen},
                      Seitenfall{knopf::bilanz, seite::bilanz},
                      Seitenfall{knopf::betriebsergebnis, seite::betriebsergebnis},
                      Seitenfall{knopf::journal, seite::journal},
                      Seitenfall{knopf::kontenblaetter, seite::kontenblaetter},
                      Seitenfall{knopf::aufgaben, seite::aufgaben},
                      Seitenfall{knopf::grundeinstellungen, seite::firma}),
    [](const auto& info) { return std::string(info.param.knopf); });

TEST_F(StartTest, AShowHandlerRunsOncePerVisit) {
    starte();
    int laeufe = 0;
    form->registriere_zeige_handler(form->TabSheet6, [&laeufe] { ++laeufe; });
    klicke(knopf::journal);
    klicke(knopf::journal);
    EXPECT_EQ(laeufe, 1);
    klicke(knopf::grundeinstellungen);
    klicke(knopf::journal);
    EXPECT_EQ(laeufe, 2);
}

TEST_F(StartTest, AFailingShowHandlerShowsItsBoxAndThePageStays) {
    starte();
    form->registriere_zeige_handler(form->TabSheet5, [] { journal::lies_buchung(1); });
    klicke(knopf::bilanz);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Versuch hinter dem Dateiende zu lesen");
    EXPECT_EQ(form->sichtbare_seite(), form->TabSheet5);
}

TEST_F(StartTest, LeavingAPageTakesTheFocusFromItsField) {
    starte();
    klicke(knopf::grundeinstellungen);
    auto* feld = form->TabSheet2->Edit[0];
    feld->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(feld->hasFocus());
    bool hatte_fokus_beim_verlassen = true;
    form->registriere_zeige_handler(form->TabSheet5,
                                    [&] { hatte_fokus_beim_verlassen = feld->hasFocus(); });
    klicke(knopf::bilanz);
    EXPECT_FALSE(hatte_fokus_beim_verlassen);
}

TEST_F(StartTest, EndeAnsweredNoClosesWithoutSaving) {
    starte();
    const std::string einstellungen = verzeichnis.lies("einstellungen.txt");
    form->TabSheet2->Edit[0]->setText("geändert");
    dialoge.antworte(false);
    klicke(knopf::ende);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Vor dem Beenden speichern?");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), einstellungen);
}

TEST_F(StartTest, EndeAnsweredYesSavesAndClosesEvenWhenTheSaveIsCancelled) {
    starte();
    dialoge.antworte(true);
    dialoge.waehle_datei(QString());
    klicke(knopf::ende);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Vor dem Beenden speichern?");
    EXPECT_EQ(dialoge.nimm(Art::speichern), "Aktuellen Stand zwischenspeichern");
    EXPECT_FALSE(form->isVisible());

    starte();
    dialoge.antworte(true);
    dialoge.waehle_datei(QString::fromStdString((verzeichnis.pfad() / "ende.sdn").string()));
    klicke(knopf::ende);
    dialoge.nimm_alle(Art::frage);
    dialoge.nimm_alle(Art::speichern);
    EXPECT_EQ(verzeichnis.lies("ende.sdn"), "||||||||0\r\n|");
    EXPECT_FALSE(form->isVisible());
}

// A stand-in for the desktop's launcher on PATH: it notes the file it was
// asked to open and ends with `status`.
class Oeffner {
public:
    Oeffner(const Arbeitsverzeichnis& verzeichnis, int status) : pfad_(qgetenv("PATH")) {
        std::filesystem::create_directories(verzeichnis.pfad() / "werkzeug");
        verzeichnis.schreibe("werkzeug/xdg-open",
                             "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/geoeffnet\"\nexit " +
                                 std::to_string(status) + "\n");
        std::filesystem::permissions(verzeichnis.pfad() / "werkzeug/xdg-open",
                                     std::filesystem::perms::owner_all);
        qputenv("PATH", QByteArray::fromStdString((verzeichnis.pfad() / "werkzeug").string()) +
                            ':' + pfad_);
    }
    ~Oeffner() { qputenv("PATH", pfad_); }

private:
    QByteArray pfad_;
};

// "Hilfe" opens the manual of the working directory; only when nothing opens
// it, a box says where it lies.
TEST_F(StartTest, HilfeOpensTheManualAndSaysWhereItLiesWhenItCannot) {
    verzeichnis.schreibe("Anleitung.pdf", "%PDF-1.4\n");
    const std::string pdf = (verzeichnis.pfad() / "Anleitung.pdf").string();
    starte();
    {
        Oeffner oeffner(verzeichnis, 0);
        klicke(knopf::hilfe);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return std::filesystem::exists(verzeichnis.pfad() / "werkzeug/geoeffnet"); }));
        QTest::qWait(100); // the launcher has ended; no box follows
        EXPECT_EQ(verzeichnis.lies("werkzeug/geoeffnet"), pdf + "\n");
    }
    {
        Oeffner oeffner(verzeichnis, 3);
        klicke(knopf::hilfe);
        QStringList boxen;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !(boxen += dialoge.nimm_alle(Art::fehler)).isEmpty(); }));
        EXPECT_EQ(boxen[0], QString::fromStdString("Die Anleitung " + pdf +
                                                   " kann nicht geöffnet werden. Sie liegt im "
                                                   "Arbeitsverzeichnis."));
    }
    EXPECT_EQ(form->sichtbare_seite(), static_cast<QWidget*>(form->TabSheet1));
}

// The exercise chosen and its ticks are there again after a restart; the
// hint to choose one is gone once one is chosen.
TEST_F(StartTest, TheChosenExerciseAndItsTicksSurviveARestart) {
    starte();
    klicke(knopf::aufgaben);
    EXPECT_TRUE(form->TabSheet8->Label47->isVisible());
    klicke(knopf::aufgabe[2]);
    EXPECT_FALSE(form->TabSheet8->Label47->isVisible());
    ASSERT_GE(form->CheckListBox1->count(), 2);
    const QString zweite = form->CheckListBox1->item(1)->text();
    form->CheckListBox1->item(1)->setCheckState(Qt::Checked);
    form.reset();
    starte();
    ASSERT_GE(form->CheckListBox1->count(), 2);
    EXPECT_EQ(form->CheckListBox1->item(1)->text(), zweite);
    EXPECT_EQ(form->CheckListBox1->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(form->CheckListBox1->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(form->TabSheet8->letzte_aufgabe(), 2);
}

TEST_F(StartTest, TheWindowHasItsPanelsAndThirteenPages) {
    starte();
    EXPECT_EQ(form->PageControl1->count(), 13);
    EXPECT_EQ(finde(panel::befehle)->width(), 129);
    EXPECT_EQ(finde(panel::aufgabenbefehle)->size(), QSize(216, 143));
    EXPECT_EQ(finde(feld::aufgabenliste)->parentWidget(), finde(panel::oben));
    for (const char* knopf : {knopf::aufgabe[1], knopf::aufgabe[9], knopf::alles_speichern,
                              knopf::sicherung_laden, knopf::kontenplan}) {
        // Reached by Tab, never by a click (the focus stays where it was).
        EXPECT_EQ(finde<QAbstractButton>(knopf)->focusPolicy(), Qt::TabFocus) << knopf;
    }
}

TEST_F(StartTest, ThePanelsAndThePageStackFillTheWindowAsPlaced) {
    starte();
    EXPECT_EQ(form->size(), QSize(800, 593));
    EXPECT_EQ(form->Panel2->height(), 145);
    EXPECT_EQ(form->PageControl1->size(), QSize(671, 448));
    EXPECT_EQ(finde<QTableWidget>(feld::kontenplan_gitter)->rowHeight(0), 15);
    EXPECT_EQ(finde<QTableWidget>(feld::eroeffnung_gitter)->rowHeight(0), 15);
    klicke(knopf::aufgaben);
    klicke(knopf::aufgabe[1]);
    ASSERT_GT(form->CheckListBox1->count(), 1);
    EXPECT_EQ(form->CheckListBox1->visualItemRect(form->CheckListBox1->item(1)).height(), 15);
}

struct Ortsfall {
    const char* name;
    QPoint ort;
};

class Platzierung : public StartTest, public ::testing::WithParamInterface<Ortsfall> {};

TEST_P(Platzierung, StandsWhereTheWindowPlacesIt) {
    starte();
    EXPECT_EQ(finde(GetParam().name)->pos(), GetParam().ort);
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Platzierung,
    ::testing::Values(Ortsfall{"CheckBox1", {48, 32}}, Ortsfall{"Label22", {184, 32}},
                      Ortsfall{"Edit13", {288, 24}}, Ortsfall{"Label23", {360, 32}},
                      Ortsfall{"CheckBox2", {48, 56}}, Ortsfall{"Label46", {56, 152}},
                      Ortsfall{"Edit28", {216, 144}}, Ortsfall{"Label18", {56, 184}},
                      Ortsfall{"Edit12", {216, 248}}, Ortsfall{"RadioGroup1", {368, 160}},
                      Ortsfall{"Button1", {56, 312}}, Ortsfall{"Label47", {24, 24}},
                      Ortsfall{"SpeedButton14", {24, 64}}, Ortsfall{"Label36", {72, 72}},
                      Ortsfall{"Label43", {72, 296}}),
    [](const auto& info) { return test::zeilenname(info.param.name, info.index); });

TEST_F(StartTest, TheButtonOfThePageShownIsMarked) {
    starte();
    const auto markiert = [this] {
        QStringList namen;
        for (auto* knopf : form->findChildren<QToolButton*>()) {
            EXPECT_TRUE(knopf->testAttribute(Qt::WA_Hover)) << knopf->objectName().toStdString();
            if (knopf->isChecked()) {
                namen << knopf->objectName();
            }
        }
        return namen.join(' ');
    };
    EXPECT_EQ(markiert(), "");
    klicke(knopf::buchungen);
    EXPECT_EQ(markiert(), knopf::buchungen);
    dialoge.nimm(Art::meldung); // no chart selected
    klicke(knopf::buchungen);
    EXPECT_EQ(markiert(), knopf::buchungen);
    klicke(knopf::journal);
    EXPECT_EQ(markiert(), knopf::journal);
    klicke(knopf::einstellungen); // refused: the journal stays shown
    dialoge.nimm(Art::meldung);
    EXPECT_EQ(markiert(), knopf::journal);
    const Oeffner oeffner(verzeichnis, 0);
    klicke(knopf::hilfe); // opens the manual, shows no page
    EXPECT_EQ(markiert(), knopf::journal);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::filesystem::exists(verzeichnis.pfad() / "werkzeug/geoeffnet"); }));
}

TEST_F(StartTest, TextsFromFilesAndTheCompanyFieldsStayReadable) {
    verzeichnis.schreibe("Aufgabe5.txt", "Konten <B> & <G>\r\n");
    starte();
    EXPECT_EQ(titel(5), "Konten <B> & <G>");
    EXPECT_EQ(form->TabSheet8->Label36bis43[4]->textFormat(), Qt::PlainText);
    for (QLineEdit* feld : form->TabSheet2->Edit) {
        EXPECT_EQ(feld->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
        EXPECT_EQ(feld->palette().color(QPalette::Active, QPalette::Base), QColor(0xA6CAF0));
    }
}

TEST(Anwendung, QtSpeaksGermanAndAddsNothingToTheCaptions) {
    QTranslator* uebersetzer = app::anwendung_einrichten(*qApp);
    ASSERT_NE(uebersetzer, nullptr) << "qtbase_de.qm fehlt";
    const QDialogButtonBox knoepfe(QDialogButtonBox::Cancel | QDialogButtonBox::Save |
                                   QDialogButtonBox::Open);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Save)->text(), "Speichern");
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Open)->text(), "Öffnen");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
    EXPECT_EQ(QApplication::applicationDisplayName(), "Saldino");
    QApplication::removeTranslator(uebersetzer);
    delete uebersetzer;
}

TEST(QtDialogeTest, BoxesShowTheirTextAsPlainTextUnderTheirCaption) {
    const gui::QtDialoge dialoge;
    const auto box = dialoge.box(QMessageBox::Question, QStringLiteral("Bestätigung"),
                                 QStringLiteral("<b>Konten</b> & <G>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowTitle(), "Bestätigung");
    EXPECT_EQ(box->text(), "<b>Konten</b> & <G>");
}

} // namespace
} // namespace saldino::test
