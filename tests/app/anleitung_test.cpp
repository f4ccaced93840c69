// The manual built beside the program and the window's icon.
#include "app/fenster.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

namespace saldino::test {
namespace {

// What a poppler tool prints about the built manual.
QString poppler(const QString& werkzeug, QStringList argumente) {
    argumente.append(QStringLiteral(SALDINO_ANLEITUNG_PDF));
    if (werkzeug == QLatin1String("pdftotext")) {
        argumente.append(QStringLiteral("-"));
    }
    QProcess prozess;
    prozess.start(werkzeug, argumente);
    EXPECT_TRUE(prozess.waitForFinished(60000)) << werkzeug.toStdString();
    EXPECT_EQ(prozess.exitCode(), 0) << prozess.readAllStandardError().toStdString();
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

class AnleitungTest : public FensterTest {
protected:
    void SetUp() override { verzeichnis.mit_daten(); }
};

TEST_F(AnleitungTest, HasEveryPageLaidOut) {
    QFile seiten(QStringLiteral(SALDINO_ANLEITUNG_SEITEN));
    ASSERT_TRUE(seiten.open(QIODevice::ReadOnly));
    const int erwartet = seiten.readAll().trimmed().toInt();
    EXPECT_GE(erwartet, 10);
    const QRegularExpressionMatch treffer = QRegularExpression(QStringLiteral("Pages: *(\\d+)"))
                                                .match(poppler(QStringLiteral("pdfinfo"), {}));
    ASSERT_TRUE(treffer.hasMatch());
    EXPECT_EQ(treffer.captured(1).toInt(), erwartet);

    // The last page carries the end of the text, so nothing was cut off.
    const QString letzte =
        poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(erwartet),
                                              QStringLiteral("-l"), QString::number(erwartet)});
    EXPECT_TRUE(letzte.contains(QStringLiteral("Das andere Saldino-Fenster schließen.")));
}

TEST_F(AnleitungTest, NamesEveryCommandOfBothPanels) {
    starte();
    QString text = poppler(QStringLiteral("pdftotext"), {});
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    int befehle = 0;
    for (QWidget* panel : {form->Panel1, form->Panel3}) {
        for (const QAbstractButton* knopf : panel->findChildren<QAbstractButton*>()) {
            EXPECT_TRUE(text.contains(knopf->text())) << knopf->text().toStdString();
            ++befehle;
        }
    }
    EXPECT_EQ(befehle, 14);
}

TEST_F(AnleitungTest, TheWindowShowsTheProgramIcon) {
    starte();
    const QIcon symbol = form->windowIcon();
    for (const int groesse : {16, 32, 48, 256}) {
        const QImage bild = symbol.pixmap(groesse, groesse).toImage();
        ASSERT_EQ(bild.width(), groesse);
        // A rounded card: clear corners, a solid top edge, a light inside.
        EXPECT_LT(qAlpha(bild.pixel(0, 0)), 50) << groesse;
        EXPECT_GT(qAlpha(bild.pixel(groesse / 2, groesse / 10)), 200) << groesse;
        EXPECT_GT(qGray(bild.pixel(groesse * 3 / 10, groesse * 85 / 100)), 200) << groesse;
    }
}

} // namespace
} // namespace saldino::test
