#include "gui/berichtsansicht.h"

#include "gui/berichtszoom.h"
#include "journal/buchung.h"
#include "reports/journalliste.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace saldino::gui {
namespace {

// A view of the journal listing of 1 000 bookings, far more lines than it shows.
class BerichtsansichtTest : public ::testing::Test {
protected:
    void SetUp() override {
        journal::journal_sichern();
        for (int k = 0; k < 1000; ++k) {
            journal::TBuchung b;
            b.Datum = "03.01.2004";
            b.Grund = runtime::utf8_nach_cp1252("Bürobedarf ") + std::to_string(k);
            b.Konto = {"Kasse", "Bank", "", "", ""};
            b.Soll[0] = b.Haben[1] = k + 0.5;
            journal::buchung_anhaengen(b);
        }
        reports::journalliste([this](std::string_view zeile) { zeilen.append(als(zeile)); });
        ansicht.resize(500, 300);
        ansicht.setze(std::make_shared<reports::Journalansicht>());
        ansicht.show();
        QApplication::processEvents();
    }
    void TearDown() override { Berichtszoom::instanz().zuruecksetzen(); }

    static QString als(std::string_view zeile) {
        return QString::fromStdString(runtime::cp1252_nach_utf8(zeile));
    }
    void taste(int taste, Qt::KeyboardModifiers mit = Qt::NoModifier) {
        QTest::keyClick(&ansicht, static_cast<Qt::Key>(taste), mit);
    }

    test::Arbeitsverzeichnis verzeichnis;
    QStringList zeilen;
    Berichtsansicht ansicht{nullptr, "Memo2", {"Courier New", 13, false}};
};

TEST_F(BerichtsansichtTest, HoldsTheReportsTextAndShowsOnlyAScreenful) {
    EXPECT_EQ(ansicht.property("plainText").toString(), zeilen.join(u'\n'));
    EXPECT_EQ(ansicht.verticalScrollBar()->maximum() + ansicht.verticalScrollBar()->pageStep(),
              zeilen.size());
    EXPECT_LT(ansicht.verticalScrollBar()->pageStep(), 30);
    EXPECT_GT(ansicht.horizontalScrollBar()->maximum(), 0);
}

TEST_F(BerichtsansichtTest, SelectsAndCopiesARangeAcrossScreenfulsByMouseAndKeys) {
    ansicht.markiere({5, 3}, {80, 10});
    QStringList erwartet = zeilen.mid(5, 76);
    erwartet.back().truncate(10);
    erwartet.front().remove(0, 3);
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), erwartet.join(u'\n'));
    EXPECT_EQ(ansicht.verticalScrollBar()->value(),
              80 - ansicht.verticalScrollBar()->pageStep() + 1);

    // A click, then Shift+Page Down and Shift+End: from the click to the end of a line a page
    // further.
    ansicht.verticalScrollBar()->setValue(0);
    QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, {},
                      ansicht.zeichenrechteck({2, 0}).center());
    EXPECT_EQ(ansicht.cursor(), (Textstelle{2, 0}));
    taste(Qt::Key_PageDown, Qt::ShiftModifier);
    taste(Qt::Key_End, Qt::ShiftModifier);
    const std::int64_t ende = ansicht.cursor().zeile;
    EXPECT_GT(ende, 2 + 10);
    EXPECT_EQ(ansicht.markierter_text(), zeilen.mid(2, static_cast<int>(ende) - 1).join(u'\n'));

    taste(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(ansicht.markierter_text(), zeilen.join(u'\n'));
    taste(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(ansicht.verticalScrollBar()->value(), ansicht.verticalScrollBar()->maximum());
    taste(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(ansicht.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(ansicht.markierter_text().isEmpty());
}

TEST_F(BerichtsansichtTest, ZoomsEveryViewTogetherWithinItsLimitsAndKeepsIt) {
    Berichtsansicht andere(nullptr, "Memo1", {"Courier", 16, true});
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("saldino/ansicht.txt"));
    Berichtszoom::instanz().datei_setzen(datei);
    taste(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(Berichtszoom::instanz().prozent(), 110);
    EXPECT_EQ(andere.pixelgroesse(), 18);
    EXPECT_EQ(ansicht.font().pixelSize(), 14);
    QWheelEvent rad(QPointF(10, 10), ansicht.mapToGlobal(QPointF(10, 10)), {}, {0, 120},
                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ansicht.viewport(), &rad);
    EXPECT_EQ(Berichtszoom::instanz().prozent(), 121);
    for (int i = 0; i < 40; ++i) {
        taste(Qt::Key_Minus, Qt::ControlModifier);
    }
    EXPECT_EQ(Berichtszoom::instanz().prozent(), 50);
    for (int i = 0; i < 40; ++i) {
        Berichtszoom::instanz().groesser();
    }
    EXPECT_EQ(Berichtszoom::instanz().prozent(), 400);
    Berichtszoom::instanz().setze(133);
    QFile gesichert(datei);
    ASSERT_TRUE(gesichert.open(QIODevice::ReadOnly));
    EXPECT_EQ(gesichert.readAll(), "zoom=133\n");
    taste(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(andere.pixelgroesse(), 16);

    gesichert.close();
    gesichert.open(QIODevice::WriteOnly);
    gesichert.write("zoom=150\n");
    gesichert.close();
    Berichtszoom::instanz().datei_setzen(datei);
    EXPECT_EQ(andere.pixelgroesse(), 24);

    // A FIFO in the file's place is refused, never waited for.
    QFile::remove(datei);
    ASSERT_EQ(::mkfifo(QFile::encodeName(datei).constData(), 0600), 0);
    Berichtszoom::instanz().datei_setzen(datei);
    EXPECT_EQ(andere.pixelgroesse(), 24);
    Berichtszoom::instanz().datei_setzen(QString());
}

// The scroll bar reaches the end of every line at every zoom step, and
// "Breite anpassen" (the command row's button) zooms so that the widest fits.
TEST_F(BerichtsansichtTest, EveryLineEndsInReachAndBreiteAnpassenFitsTheWidest) {
    const auto reichweite = [this] {
        return ansicht.horizontalScrollBar()->maximum() + ansicht.viewport()->width();
    };
    for (Berichtszoom::instanz().setze(Berichtszoom::kleinster);;
         Berichtszoom::instanz().groesser()) {
        const QFontMetricsF masse(ansicht.font(), ansicht.viewport());
        for (const QString& zeile : zeilen.mid(0, 30)) {
            EXPECT_GE(reichweite(), masse.horizontalAdvance(zeile))
                << Berichtszoom::instanz().prozent() << " %: " << zeile.toStdString();
        }
        if (Berichtszoom::instanz().prozent() == Berichtszoom::groesster) {
            break;
        }
    }

    std::unique_ptr<QWidget> leiste(berichtsleiste(nullptr, &ansicht));
    leiste->findChild<QToolButton*>(QStringLiteral("BreiteAnpassen"))->click();
    const int passend = Berichtszoom::instanz().prozent();
    EXPECT_LT(passend, 100);
    EXPECT_EQ(ansicht.horizontalScrollBar()->maximum(), 0);
    Berichtszoom::instanz().groesser();
    EXPECT_GT(ansicht.horizontalScrollBar()->maximum(), 0);

    // No zoom kept yet: a report wider than the view starts fitted; a kept one stays.
    QTemporaryDir ordner;
    Berichtszoom::instanz().datei_setzen(ordner.filePath(QStringLiteral("ansicht.txt")));
    ansicht.setze(std::make_shared<reports::Journalansicht>());
    EXPECT_EQ(Berichtszoom::instanz().prozent(), passend);
    Berichtszoom::instanz().setze(120);
    ansicht.setze(std::make_shared<reports::Journalansicht>());
    EXPECT_EQ(Berichtszoom::instanz().prozent(), 120);
    Berichtszoom::instanz().datei_setzen(QString());
}

TEST_F(BerichtsansichtTest, ScreenReadersGetTheTextLineByLine) {
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(&ansicht);
    ASSERT_NE(zugang, nullptr);
    QAccessibleTextInterface* text = zugang->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(zugang->state().readOnly);
    const QString ganz = zeilen.join(u'\n');
    EXPECT_EQ(text->characterCount(), ganz.size());
    EXPECT_EQ(text->text(0, 300), ganz.left(300));
    const int mitte = static_cast<int>(ganz.indexOf(zeilen[500]));
    int anfang = 0;
    int ende = 0;
    EXPECT_EQ(text->textAtOffset(mitte + 7, QAccessible::LineBoundary, &anfang, &ende),
              zeilen[500]);
    EXPECT_EQ(anfang, mitte);
    text->setSelection(0, mitte, mitte + 4);
    EXPECT_EQ(ansicht.markierter_text(), zeilen[500].left(4));
}

} // namespace
} // namespace saldino::gui
