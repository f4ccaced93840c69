// Builds the pupils' manual (Anleitung.pdf from docs/anleitung.md) and the
// teachers' guide (Lehrerhandbuch.pdf from docs/lehrerhandbuch.md): the
// Markdown is laid out by QTextDocument with a table of contents, pictures of
// the program's pages are taken offscreen from a model company, and every
// page is printed with QPdfWriter and numbered "Seite n von m". Writes
// ZIEL.pdf and, for the tests, the number of pages into ZIEL.seiten.
// Usage: saldino-anleitung TEXT.md DATENVERZEICHNIS ZIEL.pdf TITEL
#include "app/tform1.h"
#include "backup/aufgabenseite.h"
#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "gui/dialoge.h"
#include "gui/symbol.h"
#include "journal/buchung.h"
#include "journal/eroeffnung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/kontenplan.h"
#include "masterdata/kontenplanseite.h"
#include "reports/kontenblattseite.h"
#include "runtime/text.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QToolButton>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace saldino;

// The model company of the pictures: chart 1, opening balances and four bookings.
void musterfirma(const fs::path& daten) {
    for (const auto& datei : fs::directory_iterator(daten)) {
        if (datei.is_regular_file()) { // the solutions stay with the program
            fs::copy_file(datei.path(), datei.path().filename());
        }
    }
    masterdata::Einstellungen werte;
    masterdata::lies_einstellungen(werte);
    werte.firma = {"Fahrrad Huber KG", "Lindenstraße 12", "80331 München", "1234567",
                   "700 500 00",       "Stadtsparkasse",  "Anna Huber",    "Anna Huber"};
    for (auto& feld : werte.firma) {
        feld = runtime::utf8_nach_cp1252(feld);
    }
    werte.kontenplan_index = 0;
    masterdata::schreibe_einstellungen(werte);

    journal::journal_leeren();
    const masterdata::Kontenplan plan(1);
    const std::map<std::string, double> eroeffnung = {
        {"Fuhrpark", 18000}, {"Waren", 12500},        {"Bank", 8400},
        {"Kasse", 1100},     {"Eigenkapital", 30000}, {"Verbindlichkeiten", 10000}};
    for (const auto& konto : plan.konten()) {
        const auto betrag = eroeffnung.find(konto.bezeichnung);
        if (betrag != eroeffnung.end()) {
            journal::TBuchung satz = journal::eroeffnungssatz(konto, betrag->second, "01.01.2004");
            journal::buchung_anhaengen(satz);
        }
    }
    const auto buche = [](const char* datum, const char* person, const char* grund,
                          std::initializer_list<std::tuple<const char*, double, double>> zeilen) {
        journal::TBuchung b;
        b.Datum = datum;
        b.Person = runtime::utf8_nach_cp1252(person);
        b.Grund = runtime::utf8_nach_cp1252(grund);
        std::size_t i = 0;
        for (const auto& [konto, soll, haben] : zeilen) {
            b.Konto[i] = runtime::utf8_nach_cp1252(konto);
            b.Soll[i] = soll;
            b.Haben[i] = haben;
            ++i;
        }
        journal::buchung_anhaengen(b);
    };
    buche("05.01.2004", "Radgroßhandel Maier", "Wareneinkauf auf Ziel",
          {{"Aufwendungen für Waren", 2400, 0}, {"Verbindlichkeiten", 0, 2400}});
    buche("12.01.2004", "Laufkundschaft", "Verkauf von Fahrrädern bar",
          {{"Kasse", 4500, 0}, {"Umsatzerlöse", 0, 4500}});
    buche("31.01.2004", "Vermieter Berg", "Miete Januar",
          {{"Mietaufwand", 900, 0}, {"Bank", 0, 900}});
    buche("31.01.2004", "Sparkasse", "Darlehenszinsen",
          {{"Zinsaufwendungen", 120, 0}, {"Bank", 0, 120}});
}

void klicke(app::TForm1& form, const char* name) {
    auto* knopf = form.findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (knopf == nullptr) {
        qFatal("Knopf %s fehlt", name);
    }
    knopf->click();
    QApplication::processEvents();
}

// The pictures the manual names as "bild:NAME".
std::map<QString, QImage> aufnahmen(app::TForm1& form) {
    std::map<QString, QImage> bilder;
    const auto nimm = [&](const char* name) {
        QApplication::processEvents();
        bilder[QString::fromLatin1(name)] = form.grab().toImage();
    };
    nimm("start");
    klicke(form, "SpeedButton35");
    nimm("firmendaten");
    form.seite_zeigen(form.TabSheet9);
    nimm("kontenplan");
    klicke(form, "SpeedButton2");
    nimm("eroeffnung");
    klicke(form, "SpeedButton3");
    nimm("buchungen");
    klicke(form, "SpeedButton4");
    nimm("bilanz");
    klicke(form, "SpeedButton1");
    nimm("betriebsergebnis");
    klicke(form, "SpeedButton5");
    nimm("journal");
    klicke(form, "SpeedButton6");
    form.TabSheet10->ListBox1->setCurrentRow(7);
    nimm("kontenblatt");
    klicke(form, "SpeedButton22");
    form.TabSheet8->SpeedButton14bis21[0]->click();
    nimm("aufgaben");
    form.seite_zeigen(form.TabSheet7);
    nimm("einstellungen");

    // Last, as it replaces the model company: exercise 2 booked with one
    // booking forgotten and one booked the wrong way round, then checked.
    const std::string loesung = backup::loesung_fuer(2, form.programmdaten);
    if (backup::lade_sicherung(loesung, form.einstellungen()).ungueltige_zeile != 0) {
        qFatal("loesung2.sdn ist keine gültige Sicherung");
    }
    journal::loesche_buchung(8);
    journal::TBuchung falsch = journal::lies_buchung(8);
    std::swap(falsch.Soll, falsch.Haben);
    journal::buchung_ueberschreiben(8, falsch);
    klicke(form, "SpeedButton22");
    form.TabSheet8->SpeedButton14bis21[1]->click();
    klicke(form, "SpeedButton37");
    nimm("pruefen");
    return bilder;
}

// Pictures fit the text width; none is drawn larger than it was taken.
void bilder_einpassen(QTextDocument& dokument, const std::map<QString, QImage>& bilder,
                      qreal breite) {
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment stueck = it.fragment();
            if (!stueck.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat format = stueck.charFormat().toImageFormat();
            const auto bild = bilder.find(QUrl(format.name()).path());
            if (bild == bilder.end()) {
                qFatal("Unbekanntes Bild %s", qPrintable(format.name()));
            }
            const qreal massstab = std::min<qreal>(1.0, breite / bild->second.width());
            format.setWidth(bild->second.width() * massstab);
            format.setHeight(bild->second.height() * massstab);
            QTextCursor cursor(&dokument);
            cursor.setPosition(stueck.position());
            cursor.setPosition(stueck.position() + stueck.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

// The contents after the title: every section ("## ") with its page.
QString mit_inhalt(const QString& markdown, const std::vector<int>& seiten) {
    QStringList zeilen = markdown.split(QLatin1Char('\n'));
    QStringList inhalt = {QString(), QStringLiteral("## Inhalt"), QString(),
                          QStringLiteral("| Abschnitt | Seite |"), QStringLiteral("|---|---:|")};
    bool code = false;
    std::size_t n = 0;
    for (const QString& zeile : zeilen) {
        code = zeile.startsWith(QLatin1String("```")) ? !code : code;
        if (!code && zeile.startsWith(QLatin1String("## "))) {
            inhalt.append(QStringLiteral("| %1 | %2 |")
                              .arg(zeile.mid(3))
                              .arg(n < seiten.size() ? seiten[n] : 0));
            ++n;
        }
    }
    for (qsizetype i = inhalt.size() - 1; i >= 0; --i) {
        zeilen.insert(1, inhalt[i]);
    }
    return zeilen.join(QLatin1Char('\n'));
}

// The page of every section but the contents, in the laid-out document.
std::vector<int> abschnittsseiten(QTextDocument& dokument) {
    std::vector<int> seiten;
    const qreal hoehe = dokument.pageSize().height();
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2 && block.text() != QLatin1String("Inhalt")) {
            const qreal oben = dokument.documentLayout()->blockBoundingRect(block).top();
            seiten.push_back(static_cast<int>(oben / hoehe) + 1);
        }
    }
    return seiten;
}

// Code lines keep their line: a command is never broken in two.
void code_nicht_umbrechen(QTextDocument& dokument) {
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        if (format.hasProperty(QTextFormat::BlockCodeFence) ||
            format.hasProperty(QTextFormat::BlockCodeLanguage)) {
            QTextBlockFormat neu = format;
            neu.setNonBreakableLines(true);
            QTextCursor zeile(block);
            zeile.setBlockFormat(neu);
            zeile.select(QTextCursor::BlockUnderCursor);
            QTextCharFormat klein;
            klein.setFontPointSize(8.5);
            zeile.mergeCharFormat(klein);
        }
    }
}

// The Markdown laid out at the page size, pictures fitted. A new document
// each time: laying out a document again after setMarkdown lost every line
// after the second picture.
std::unique_ptr<QTextDocument> gesetzt(const QString& markdown,
                                       const std::map<QString, QImage>& bilder, QSizeF seite) {
    auto dokument = std::make_unique<QTextDocument>();
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSizeF(10.5);
    dokument->setDefaultFont(schrift);
    dokument->setMarkdown(markdown);
    // After the text: setting it clears the resources.
    for (const auto& [name, bild] : bilder) {
        dokument->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("bild:") + name),
                              bild);
    }
    dokument->setPageSize(seite);
    bilder_einpassen(*dokument, bilder, seite.width() - 2 * dokument->documentMargin());
    code_nicht_umbrechen(*dokument);
    return dokument;
}

// Each page drawn on its own, clipped to its lines, and numbered.
void drucke_seiten(QTextDocument& dokument, QPdfWriter& pdf) {
    QPainter maler(&pdf);
    const QSizeF seite = dokument.pageSize();
    const qreal massstab = pdf.width() / seite.width();
    const int seiten = dokument.pageCount();
    QFont fuss(QStringLiteral("Liberation Sans"));
    fuss.setPointSizeF(9);
    for (int i = 0; i < seiten; ++i) {
        if (i > 0) {
            pdf.newPage();
        }
        maler.save();
        maler.scale(massstab, massstab);
        maler.translate(0, -i * seite.height());
        QAbstractTextDocumentLayout::PaintContext zusammenhang;
        zusammenhang.clip = QRectF(0, i * seite.height(), seite.width(), seite.height());
        maler.setClipRect(zusammenhang.clip);
        dokument.documentLayout()->draw(&maler, zusammenhang);
        maler.restore();
        maler.setFont(fuss);
        maler.drawText(QRect(0, 0, pdf.width(), pdf.height()), Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("Seite %1 von %2").arg(i + 1).arg(seiten));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fputs("Aufruf: saldino-anleitung TEXT.md DATENVERZEICHNIS ZIEL.pdf TITEL\n", stderr);
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    const QString ziel = QFile::decodeName(argv[3]);
    QFile quelle(QFile::decodeName(argv[1]));
    if (!quelle.open(QIODevice::ReadOnly)) {
        qFatal("%s: %s", argv[1], qPrintable(quelle.errorString()));
    }
    const QString markdown = QString::fromUtf8(quelle.readAll());

    QTemporaryDir arbeit;
    const fs::path daten = fs::absolute(argv[2]);
    fs::current_path(arbeit.path().toStdString());
    musterfirma(daten);
    gui::StummeDialoge dialoge;
    std::map<QString, QImage> bilder;
    {
        app::TForm1 form(dialoge);
        form.setWindowIcon(gui::programmsymbol());
        form.show();
        QApplication::processEvents();
        bilder = aufnahmen(form);
    }

    QPdfWriter pdf(ziel);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    pdf.setTitle(QStringLiteral("Saldino – ") + QString::fromUtf8(argv[4]));
    pdf.setCreator(QStringLiteral("Saldino"));

    // Laid out page by page at the printable area less a line for the page
    // number, in the units of the screen; the contents twice, until every
    // section stands on the page it names.
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    QSizeF seite = pdf.pageLayout().paintRect(QPageLayout::Inch).size() * dpi;
    seite.setHeight(seite.height() - dpi / 3);
    std::vector<int> seiten;
    std::unique_ptr<QTextDocument> dokument;
    for (int versuch = 0; versuch < 4; ++versuch) {
        dokument = gesetzt(mit_inhalt(markdown, seiten), bilder, seite);
        const std::vector<int> neu = abschnittsseiten(*dokument);
        if (neu == seiten) {
            break;
        }
        seiten = neu;
    }
    drucke_seiten(*dokument, pdf);

    QFile anzahl(ziel.left(ziel.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".seiten"));
    if (!anzahl.open(QIODevice::WriteOnly) ||
        anzahl.write(QByteArray::number(dokument->pageCount()) + '\n') < 0) {
        qFatal("%s: %s", qPrintable(anzahl.fileName()), qPrintable(anzahl.errorString()));
    }
    std::printf("%s: %d Seiten\n", argv[3], dokument->pageCount());
    return 0;
}
