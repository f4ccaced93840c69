// The manual built beside the program and the window's icon.
#include "app/fenster.h"
#include "runtime/tastatur.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <map>

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

// The words of a text, ligatures undone ("ﬀ" as "ff"), each with its count.
std::map<QString, int> woerter(const QString& text) {
    std::map<QString, int> anzahl;
    const QRegularExpression wort(QStringLiteral("[\\w]+"),
                                  QRegularExpression::UseUnicodePropertiesOption);
    for (auto it = wort.globalMatch(text.normalized(QString::NormalizationForm_KC));
         it.hasNext();) {
        ++anzahl[it.next().captured()];
    }
    return anzahl;
}

// The Markdown as it reads: no picture (the picture stands for it), a link's
// text without its address, no markup.
QString ohne_auszeichnung(QString markdown) {
    markdown.remove(QRegularExpression(QStringLiteral("!\\[[^\\]]*\\]\\([^)]*\\)")));
    markdown.replace(QRegularExpression(QStringLiteral("\\[([^\\]]*)\\]\\([^)]*\\)")),
                     QStringLiteral("\\1"));
    return markdown;
}

struct Dokument {
    const char* quelle;
    const char* pdf;
};

void PrintTo(const Dokument& dokument, std::ostream* aus) {
    *aus << dokument.quelle;
}

class DokumentTest : public ::testing::TestWithParam<Dokument> {};

// Every word of the source is printed, every heading stands in the text, and
// every picture is drawn once.
TEST_P(DokumentTest, KeepsEveryWordHeadingAndPicture) {
    QFile quelle(QStringLiteral(SALDINO_DOCS "/") + QLatin1String(GetParam().quelle));
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    const QString markdown = QString::fromUtf8(quelle.readAll());
    const QString pdf = QLatin1String(GetParam().pdf);
    QString gedruckt = poppler(QStringLiteral("pdftotext"), {}, pdf);
    const std::map<QString, int> da = woerter(gedruckt);
    int gesamt = 0;
    int gefunden = 0;
    QStringList fehlen;
    for (const auto& [wort, n] : woerter(ohne_auszeichnung(markdown))) {
        const auto treffer = da.find(wort);
        const int davon = treffer == da.end() ? 0 : std::min(n, treffer->second);
        gesamt += n;
        gefunden += davon;
        if (davon < n) {
            fehlen.append(wort);
        }
    }
    ASSERT_GT(gesamt, 500);
    EXPECT_GE(gefunden * 100, gesamt * 99)
        << gefunden << " von " << gesamt
        << " Wörtern; fehlen: " << fehlen.join(QLatin1Char(' ')).toStdString();

    gedruckt = gedruckt.normalized(QString::NormalizationForm_KC)
                   .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    const QRegularExpression ueberschrift(QStringLiteral("^#+ (.*)$"),
                                          QRegularExpression::MultilineOption);
    bool code = false;
    for (const QString& zeile : markdown.split(QLatin1Char('\n'))) {
        code = zeile.startsWith(QLatin1String("```")) ? !code : code;
        const QRegularExpressionMatch kopf = ueberschrift.match(zeile);
        if (!code && kopf.hasMatch()) {
            EXPECT_TRUE(gedruckt.contains(kopf.captured(1).remove(QLatin1Char('`'))))
                << kopf.captured(1).toStdString();
        }
    }

    const qsizetype bilder = markdown.count(QRegularExpression(QStringLiteral("!\\[")));
    const QStringList liste = poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list")}, pdf)
                                  .split(QLatin1Char('\n'));
    const qsizetype gezeichnet =
        liste.filter(QRegularExpression(QStringLiteral("^\\s*\\d+\\s+\\d+\\s+image\\b"))).size();
    EXPECT_EQ(gezeichnet, bilder);
}

INSTANTIATE_TEST_SUITE_P(
    Dokumente, DokumentTest,
    ::testing::Values(Dokument{"anleitung.md", SALDINO_ANLEITUNG_PDF},
                      Dokument{"lehrerhandbuch.md", SALDINO_LEHRERHANDBUCH_PDF}),
    [](const auto& info) {
        return std::string(info.param.quelle).substr(0, std::string(info.param.quelle).find('.'));
    });

// The manual's section "Tastatur" names every key of the key table.
TEST_F(AnleitungTest, NamesEveryKeyOfTheKeyTable) {
    QString text = poppler(QStringLiteral("pdftotext"), {});
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    ASSERT_TRUE(text.contains(QStringLiteral("Tastatur")));
    for (const runtime::Tastenkuerzel& eintrag : runtime::tastenkuerzel) {
        QString taste = QString::fromUtf8(eintrag.anzeige.data(),
                                          static_cast<qsizetype>(eintrag.anzeige.size()));
        // "Strg+2" stands in "Strg+1 bis Strg+6", "Alt+3" in "Alt+1 bis Alt+4".
        const QRegularExpression bereich(QStringLiteral("(Strg|Alt)\\+(\\d)"));
        if (const auto treffer = bereich.match(taste); treffer.hasMatch()) {
            const QString art = treffer.captured(1);
            const int n = treffer.captured(2).toInt();
            bool gefunden = text.contains(taste);
            for (const QRegularExpressionMatch& b :
                 QRegularExpression(art + QStringLiteral("\\+(\\d) bis ") + art +
                                    QStringLiteral("\\+(\\d)"))
                     .globalMatch(text)) {
                gefunden = gefunden || (b.captured(1).toInt() <= n && n <= b.captured(2).toInt());
            }
            EXPECT_TRUE(gefunden) << taste.toStdString();
        } else {
            EXPECT_TRUE(text.contains(taste)) << taste.toStdString();
        }
    }
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
