// The manual built beside the program and the window's icon.
#include "app/fenster.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

namespace saldino::test {
namespace {

// What a poppler tool prints about the built manual.
QString poppler(const QString& werkzeug, QStringList argumente,
                const QString& pdf = QStringLiteral(SALDINO_ANLEITUNG_PDF)) {
    argumente.append(pdf);
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

// The pupils' manual keeps the teachers' matters out; the teachers' guide has
// them. Both have their contents and numbered pages, and no "&" of an access key.
TEST_F(AnleitungTest, PupilsAndTeachersGetTheirOwnDocument) {
    const QString schueler = poppler(QStringLiteral("pdftotext"), {});
    const QString lehrer =
        poppler(QStringLiteral("pdftotext"), {}, QStringLiteral(SALDINO_LEHRERHANDBUCH_PDF));
    for (const QString& wort : {QStringLiteral("Kustos"), QStringLiteral("loesung"),
                                QStringLiteral("saldino-cli"), QStringLiteral("&Buchen")}) {
        EXPECT_FALSE(schueler.contains(wort)) << wort.toStdString();
    }
    for (const QString& wort : {QStringLiteral("Kustos"), QStringLiteral("--csv"),
                                QStringLiteral("loesungen/"), QStringLiteral("apt-get install")}) {
        EXPECT_TRUE(lehrer.contains(wort)) << wort.toStdString();
    }
    for (const QString& text : {schueler, lehrer}) {
        EXPECT_TRUE(text.contains(QStringLiteral("Inhalt")));
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Seite 1 von \\d+"))));
    }
    // A command line of the guide stands whole on its line.
    EXPECT_TRUE(lehrer.contains(
        QStringLiteral("saldino-cli pruefen --loesung $L/loesung2.sdn --csv abgaben/*.sdn > "
                       "klasse.csv")));
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
