#include "app/fenster.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "reports/berichtsseite.h"
#include "reports/kontenblatt.h"
#include "reports/kontenblattseite.h"

#include "gui/berichtsansicht.h"
#include <QListWidget>
#include <QSplitter>
#include <QToolButton>

namespace saldino::test {
namespace {

class KontenblattSeiteTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        const std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("-1\r\n")) + "0\r\n");
        buche({{"Kasse", 100, 0}, {"Bank", 0, 100}}, "Abhebung");
    }

    reports::KontenblattSeite* seite() { return form->TabSheet10; }
};

TEST_F(KontenblattSeiteTest, TheListHoldsTheChartAndAClickBuildsTheSheet) {
    starte();
    klicke(knopf::kontenblaetter);
    ASSERT_EQ(seite()->ListBox1->count(), 20);
    EXPECT_EQ(seite()->ListBox1->item(0)->text(), "Gebäude");
    EXPECT_EQ(seite()->ListBox1->item(19)->text(), "Eröffnungsbilanzkonto");
    EXPECT_TRUE(seite()->Memo3->toPlainText().isEmpty());
    EXPECT_EQ(seite()->Splitter2->widget(1), seite()->ListBox1);

    const QRect ort = seite()->ListBox1->visualItemRect(seite()->ListBox1->item(7));
    QTest::mouseClick(seite()->ListBox1->viewport(), Qt::LeftButton, {}, ort.center());
    const QString erwartet = QString::fromStdString(text_von(
        [](const reports::Zeilenziel& ziel) { reports::kontenblatt("Kasse", ziel, 2004); }));
    EXPECT_EQ(seite()->Memo3->toPlainText() + "\n", erwartet);
    seite()->TKonto->click();
    EXPECT_EQ(seite()->Memo3->toPlainText() + "\n",
              QString::fromStdString(text_von(
                  [](const reports::Zeilenziel& ziel) { reports::t_kontenblatt("Kasse", ziel); })));
    seite()->TKonto->click();
    EXPECT_EQ(seite()->Memo3->toPlainText() + "\n", erwartet);

    klicke(knopf::journal);
    klicke(knopf::kontenblaetter);
    EXPECT_TRUE(seite()->Memo3->toPlainText().isEmpty());
    EXPECT_EQ(seite()->ListBox1->count(), 20);
}

TEST_F(KontenblattSeiteTest, WithoutAChartTheListStaysEmpty) {
    const std::string text = verzeichnis.lies("einstellungen.txt");
    verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("0\r\n")) + "-1\r\n");
    starte();
    klicke(knopf::kontenblaetter);
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Du hast keinen Kontenplan ausgewählt!");
    EXPECT_EQ(seite()->ListBox1->count(), 0);
}

TEST_F(KontenblattSeiteTest, TheOperatingResultPageShowsItsReport) {
    starte();
    klicke(knopf::betriebsergebnis);
    const QString text = form->TabSheet11->Memo->toPlainText();
    EXPECT_TRUE(text.startsWith("Betriebsergebnis der \n\n\n\n---")) << text.toStdString();
}

} // namespace
} // namespace saldino::test
