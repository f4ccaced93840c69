// Printing a report view and saving it as PDF, and the command row under it.
#include "gui/berichtsdruck.h"

#include "backup/programmdateien.h"
#include "gui/bausteine.h"
#include "gui/berichtszoom.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"

#include <QBuffer>
#include <QFile>
#include <QHBoxLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QToolButton>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace saldino::gui {

namespace {

// Points to device pixels.
int punkte(const QPaintDevice& geraet, qreal punkte) {
    return std::max(1, static_cast<int>(std::lround(punkte * geraet.logicalDpiY() / 72.0)));
}

// The report's font at `pixel`, as its view has it.
QFont berichtsschrift(int pixel) {
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    schrift.setPixelSize(pixel);
    return schrift;
}

} // namespace

void drucke(QPagedPaintDevice& geraet, const Druckkopf& kopf, const reports::Zeilenquelle& quelle) {
    QPainter maler;
    if (!maler.begin(&geraet)) {
        throw runtime::Laufzeitfehler(runtime::dateifehler_text(EIO));
    }
    const QRect flaeche(0, 0, geraet.width(), geraet.height());
    QFont kopfschrift(QStringLiteral("Liberation Sans"));
    kopfschrift.setPixelSize(punkte(geraet, 9));
    const QFontMetrics kopfmasse(kopfschrift, &geraet);
    const int kopfhoehe = 2 * kopfmasse.lineSpacing();

    // At most 10 points, smaller where the widest line would not fit.
    int pixel = punkte(geraet, 10);
    const auto breite = std::max<std::int64_t>(quelle.breite(), 1);
    for (;;) {
        const QFontMetricsF masse(berichtsschrift(pixel), &geraet);
        if (pixel <= 1 || masse.horizontalAdvance(QLatin1Char('M')) * breite <= flaeche.width()) {
            break;
        }
        pixel = std::max(1, static_cast<int>(pixel * flaeche.width() /
                                             (masse.horizontalAdvance(QLatin1Char('M')) * breite)));
        pixel = std::min(pixel, punkte(geraet, 10) - 1);
    }
    const QFont schrift = berichtsschrift(pixel);
    const QFontMetrics masse(schrift, &geraet);
    const int je_seite = std::max(1, (flaeche.height() - 2 * kopfhoehe) / masse.lineSpacing());
    const std::int64_t seiten =
        std::max<std::int64_t>(1, (quelle.anzahl() + je_seite - 1) / je_seite);

    for (std::int64_t seite = 0; seite < seiten; ++seite) {
        if (seite > 0) {
            geraet.newPage();
        }
        maler.setFont(kopfschrift);
        const QRect kopfzeile(flaeche.left(), flaeche.top(), flaeche.width(), kopfmasse.height());
        maler.drawText(kopfzeile, Qt::AlignLeft | Qt::AlignVCenter, kopf.firma);
        maler.drawText(kopfzeile, Qt::AlignRight | Qt::AlignVCenter, kopf.titel);
        const int strich = kopfzeile.bottom() + kopfmasse.descent() + 1;
        maler.drawLine(flaeche.left(), strich, flaeche.right(), strich);
        maler.drawText(QRect(flaeche.left(), flaeche.bottom() - kopfmasse.height(), flaeche.width(),
                             kopfmasse.height()),
                       Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("Seite %1 von %2").arg(seite + 1).arg(seiten));

        maler.setFont(schrift);
        int oben = flaeche.top() + kopfhoehe + masse.ascent();
        quelle.zeilen(seite * je_seite, je_seite, [&](std::string_view zeile) {
            maler.drawText(QPoint(flaeche.left(), oben), als_qstring(zeile));
            oben += masse.lineSpacing();
        });
    }
    maler.end();
}

void Berichtsansicht::drucken_einrichten(Programm& programm, std::function<QString()> titel) {
    programm_ = &programm;
    titel_ = std::move(titel);
}

Druckkopf Berichtsansicht::druckkopf() const {
    return {programm_ != nullptr ? programm_->firmenname() : QString(),
            titel_ ? titel_() : QString()};
}

void Berichtsansicht::drucken() {
    if (programm_ == nullptr) {
        return;
    }
    programm_->befehl([this] {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setDocName(druckkopf().titel);
        if (programm_->dialoge().drucker_waehlen(drucker)) {
            drucke(drucker, druckkopf(), *quelle_);
        }
    });
}

void Berichtsansicht::als_pdf_speichern() {
    if (programm_ == nullptr) {
        return;
    }
    programm_->befehl([this] {
        const Druckkopf kopf = druckkopf();
        const QString datei = programm_->dialoge().datei_speichern(
            {QStringLiteral("Als PDF speichern"), kopf.titel + QStringLiteral(".pdf"),
             QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf")});
        if (datei.isEmpty()) {
            return;
        }
        const std::string name = QFile::encodeName(datei).toStdString();
        if (backup::ist_programmdatei(name, programm_->startverzeichnis.string())) {
            programm_->dialoge().meldung(
                aus_utf8(runtime::meldungen::gehoert_zum_programm(datei.toStdString())));
            return;
        }
        // Written whole into memory first, then into place as every file is.
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&puffer);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            pdf.setResolution(300);
            pdf.setTitle(kopf.titel);
            pdf.setCreator(QStringLiteral("Saldino"));
            drucke(pdf, kopf, *quelle_);
        }
        runtime::Ersatzdatei ziel(name);
        ziel.schreibe(std::string_view(puffer.data().constData(),
                                       static_cast<std::size_t>(puffer.data().size())));
        ziel.fertigstellen();
    });
}

QWidget* berichtsleiste(QWidget* eltern, Berichtsansicht* ansicht) {
    auto* leiste = new QWidget(eltern);
    leiste->setObjectName(QStringLiteral("Berichtsleiste"));
    leiste->setFixedHeight(22);
    auto* reihe = new QHBoxLayout(leiste);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->setSpacing(0);
    const auto knopf = [&](const char* name, const QString& text, auto handler) {
        QToolButton* k = flacher_knopf(leiste, name, text, {});
        k->setFixedHeight(22);
        QObject::connect(k, &QToolButton::clicked, ansicht, handler);
        reihe->addWidget(k);
    };
    knopf("Drucken", QStringLiteral("Drucken…"), [ansicht] { ansicht->drucken(); });
    knopf("AlsPdf", QStringLiteral("Als PDF…"), [ansicht] { ansicht->als_pdf_speichern(); });
    knopf("Groesser", QStringLiteral("Größer"), [] { Berichtszoom::instanz().groesser(); });
    knopf("Kleiner", QStringLiteral("Kleiner"), [] { Berichtszoom::instanz().kleiner(); });
    knopf("BreiteAnpassen", QStringLiteral("Breite anpassen"),
          [ansicht] { ansicht->breite_anpassen(); });
    reihe->addStretch(1);
    return leiste;
}

QToolButton* leistenknopf(QWidget* leiste, const char* name, const QString& text) {
    auto* reihe = static_cast<QHBoxLayout*>(leiste->layout());
    QToolButton* knopf = flacher_knopf(leiste, name, text, {});
    knopf->setFixedHeight(22);
    reihe->insertWidget(reihe->count() - 1, knopf);
    return knopf;
}

} // namespace saldino::gui
