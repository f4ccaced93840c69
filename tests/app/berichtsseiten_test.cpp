#include "app/fenster.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "masterdata/firmenseite.h"
#include "reports/berichtsseite.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"

#include "gui/berichtsansicht.h"
#include <QLineEdit>

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

} // namespace
} // namespace saldino::test
