#include "app/fenster.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "masterdata/firmenseite.h"
#include "reports/abschluss.h"
#include "reports/berichtsseite.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"

#include "gui/berichtsansicht.h"
#include "reports/kontenblattseite.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>

namespace saldino::test {
namespace {

class BerichtsseitenTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        waehle_kontenplan("0");
        buche({{"Kasse", 100, 0}, {"Eröffnungsbilanzkonto", 0, 100}}, "Anfang", "01.01.2004",
              "selbst");
        buche({{"Mietaufwand", 40, 0}, {"Kasse", 0, 40}}, "Miete");
    }

    void waehle_kontenplan(const char* index) {
        // Line 17 is the last one.
        const std::string text = verzeichnis.lies("einstellungen.txt");
        const std::size_t ende = text.rfind("\r\n", text.size() - 3);
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, ende + 2) + index + "\r\n");
    }

    QString ansicht(reports::BerichtsSeite* seite) { return seite->Memo->toPlainText() + "\n"; }

    QString bilanz() {
        return QString::fromStdString(text_von([this](const reports::Zeilenziel& ziel) {
            reports::bilanz(form->berichtsdaten(), ziel);
        }));
    }

    QString journal() {
        return QString::fromStdString(
            text_von([](const reports::Zeilenziel& ziel) { reports::journalliste(ziel); }));
    }
};

TEST_F(BerichtsseitenTest, TheBalanceSheetPageShowsTheCoreReportAndIsBuiltOncePerVisit) {
    starte();
    form->TabSheet2->findChild<QLineEdit*>(feld::firmenname)->setText("Muster GmbH");
    klicke(knopf::bilanz);
    const QString erste = ansicht(form->TabSheet5);
    EXPECT_EQ(erste, bilanz());
    EXPECT_TRUE(erste.startsWith("Bilanz der Muster GmbH\n"));
    EXPECT_TRUE(erste.contains("Mietaufwand" + QString(29, ' ') + "40,00\n"));

    buche({{"Kasse", 5, 0}, {"Umsatzerlöse", 0, 5}});
    klicke(knopf::bilanz);
    EXPECT_EQ(ansicht(form->TabSheet5), erste);
    klicke(knopf::journal);
    klicke(knopf::bilanz);
    EXPECT_EQ(ansicht(form->TabSheet5), bilanz());
    EXPECT_NE(ansicht(form->TabSheet5), erste);
    EXPECT_FALSE(form->TabSheet5->Memo->umbruch());
}

TEST_F(BerichtsseitenTest, TheClosingPageIsReachedFromTheBalanceSheetsCommandRow) {
    starte();
    klicke(knopf::bilanz);
    QTest::mouseClick(form->TabSheet5->findChild<QAbstractButton*>(QStringLiteral("Abschluss")),
                      Qt::LeftButton);
    EXPECT_EQ(form->sichtbare_seite(), form->TabSheet13);
    const QString text = ansicht(form->TabSheet13);
    EXPECT_EQ(text, QString::fromStdString(text_von([this](const reports::Zeilenziel& ziel) {
                  reports::abschlussbericht(form->berichtsdaten(), ziel);
              })));
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("\n  1\\. GuV an Mietaufwand +40,00\n"))))
        << text.toStdString();
    EXPECT_EQ(form->TabSheet13->Memo->druckkopf().titel, "Abschluss");
}

// The fixture's opening has no counter-entry: the Bilanz and Abschluss pages
// say so in red above the report; once it balances, the line is gone.
TEST_F(BerichtsseitenTest, AnUnbalancedOpeningIsNamedAboveTheBalanceSheetAndTheClosing) {
    starte();
    const QString hinweis = QStringLiteral("Die Eröffnungsbilanz ist nicht ausgeglichen (Differenz "
                                           "100,00). Gewinn und Summen enthalten diese Differenz.");
    klicke(knopf::bilanz);
    EXPECT_TRUE(form->TabSheet5->Hinweis->isVisible());
    EXPECT_EQ(form->TabSheet5->Hinweis->text(), hinweis);
    // Drawn in red, as the window shows it.
    const QImage bild = form->TabSheet5->Hinweis->grab().toImage();
    bool rot = false;
    for (int y = 0; y < bild.height() && !rot; ++y) {
        for (int x = 0; x < bild.width() && !rot; ++x) {
            const QColor farbe = bild.pixelColor(x, y);
            rot = farbe.red() > 150 && farbe.green() < 60 && farbe.blue() < 60;
        }
    }
    EXPECT_TRUE(rot);
    EXPECT_EQ(ansicht(form->TabSheet5), bilanz());
    form->abschluss_zeigen();
    EXPECT_EQ(form->TabSheet13->Hinweis->text(), hinweis);
    buche({{"Eröffnungsbilanzkonto", 100, 0}, {"Eigenkapital", 0, 100}});
    klicke(knopf::journal);
    klicke(knopf::bilanz);
    EXPECT_FALSE(form->TabSheet5->Hinweis->isVisible());
}

TEST_F(BerichtsseitenTest, TheJournalNeedsNoChartAndKeepsItsTextWhenTheJournalIsGone) {
    waehle_kontenplan("-1");
    starte();
    klicke(knopf::journal);
    const QString text = ansicht(form->TabSheet6);
    EXPECT_EQ(text, journal());
    EXPECT_EQ(text.count('\n'), 5);
    verzeichnis.entferne("buchungen.dat");
    klicke(knopf::grundeinstellungen);
    klicke(knopf::journal);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Datei nicht gefunden");
    EXPECT_EQ(ansicht(form->TabSheet6), text);
}

TEST_F(BerichtsseitenTest, WithoutAChartTheBalanceSheetKeepsItsHeadingAndSaysSo) {
    waehle_kontenplan("-1");
    starte();
    klicke(knopf::bilanz);
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Du hast keinen Kontenplan ausgewählt!");
    EXPECT_EQ(ansicht(form->TabSheet5), "Bilanz der \n\n\n");
}

// The lines pdftotext reads from a PDF, blanks run together, empty ones left out.
QStringList pdf_zeilen(const QString& pfad) {
    QProcess prozess;
    prozess.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    EXPECT_TRUE(prozess.waitForFinished(60000));
    EXPECT_EQ(prozess.exitCode(), 0) << prozess.readAllStandardError().toStdString();
    QStringList zeilen;
    for (const QString& zeile : QString::fromUtf8(prozess.readAllStandardOutput()).split(u'\n')) {
        if (!zeile.simplified().isEmpty()) {
            zeilen.append(zeile.simplified());
        }
    }
    return zeilen;
}

// Each report saved as PDF through its command row, and the journal printed:
// line for line the report's text, every page headed by the company and the
// title and footed by its number.
TEST_F(BerichtsseitenTest, EveryReportPrintsAndSavesAsPdfLineForLine) {
    for (int k = 0; k < 60; ++k) {
        buche({{"Kasse", 1, 0}, {"Umsatzerlöse", 0, 1}}, "Verkauf " + std::to_string(k));
    }
    starte();
    form->TabSheet2->findChild<QLineEdit*>(feld::firmenname)->setText("Muster GmbH");
    struct Fall {
        const char* befehl;
        QWidget* seite;
        gui::Berichtsansicht* ansicht;
        QString titel;
    };
    for (const Fall& fall :
         {Fall{knopf::bilanz, form->TabSheet5, form->TabSheet5->Memo, "Bilanz und GuV"},
          Fall{knopf::betriebsergebnis, form->TabSheet11, form->TabSheet11->Memo,
               "Betriebsergebnis"},
          Fall{knopf::journal, form->TabSheet6, form->TabSheet6->Memo, "Journal"},
          Fall{knopf::kontenblaetter, form->TabSheet10, form->TabSheet10->Memo3,
               "Kontenblatt Kasse"}}) {
        klicke(fall.befehl);
        if (fall.seite == form->TabSheet10) {
            form->TabSheet10->ListBox1->setCurrentRow(7);
        }
        const QString pfad = QString::fromStdString((verzeichnis.pfad() / "bericht.pdf").string());
        dialoge.waehle_datei(pfad);
        QTest::mouseClick(fall.seite->findChild<QAbstractButton*>(QStringLiteral("AlsPdf")),
                          Qt::LeftButton);
        EXPECT_EQ(dialoge.nimm(Art::speichern), "Als PDF speichern");
        EXPECT_EQ(dialoge.letzte_auswahl.vorschlag, fall.titel + ".pdf");

        const QStringList pdf = pdf_zeilen(pfad);
        const QString kopf = "Muster GmbH " + fall.titel;
        const QStringList fuesse =
            pdf.filter(QRegularExpression(QStringLiteral("^Seite \\d+ von \\d+$")));
        ASSERT_FALSE(fuesse.isEmpty()) << fall.titel.toStdString();
        EXPECT_EQ(fuesse.front(), QStringLiteral("Seite 1 von %1").arg(fuesse.size()));
        EXPECT_EQ(pdf.count(kopf), fuesse.size());
        QStringList text;
        for (const QString& zeile : fall.ansicht->toPlainText().split(u'\n')) {
            if (!zeile.simplified().isEmpty()) {
                text.append(zeile.simplified());
            }
        }
        QStringList rest = pdf;
        rest.removeAll(kopf);
        for (const QString& fuss : fuesse) {
            rest.removeOne(fuss);
        }
        EXPECT_EQ(rest, text) << fall.titel.toStdString();
    }
    EXPECT_GE(pdf_zeilen(QString::fromStdString((verzeichnis.pfad() / "bericht.pdf").string()))
                  .filter(QStringLiteral("Seite "))
                  .size(),
              1);

    klicke(knopf::journal);
    dialoge.druckdatei = QString::fromStdString((verzeichnis.pfad() / "druck.pdf").string());
    dialoge.antworte(true);
    QTest::mouseClick(form->TabSheet6->findChild<QAbstractButton*>(QStringLiteral("Drucken")),
                      Qt::LeftButton);
    EXPECT_EQ(dialoge.nimm(Art::drucken), "Drucken");
    const QStringList gedruckt = pdf_zeilen(dialoge.druckdatei);
    EXPECT_TRUE(gedruckt.contains(QStringLiteral("Seite 1 von 2")));
    EXPECT_TRUE(gedruckt.contains(QStringLiteral("Seite 2 von 2")));
}

TEST_F(BerichtsseitenTest, APdfIsNeverWrittenOverAFileOfTheProgram) {
    starte();
    klicke(knopf::journal);
    const std::string journal_vorher = verzeichnis.lies("buchungen.dat");
    dialoge.waehle_datei(QString::fromStdString((verzeichnis.pfad() / "buchungen.dat").string()));
    QTest::mouseClick(form->TabSheet6->findChild<QAbstractButton*>(QStringLiteral("AlsPdf")),
                      Qt::LeftButton);
    dialoge.nimm(Art::speichern);
    EXPECT_TRUE(dialoge.nimm(Art::meldung)
                    .endsWith("gehört zum Programm und kann nicht überschrieben werden."));
    EXPECT_EQ(verzeichnis.lies("buchungen.dat"), journal_vorher);
}

} // namespace
} // namespace saldino::test
