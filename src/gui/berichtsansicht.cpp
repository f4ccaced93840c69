#include "gui/berichtsansicht.h"

#include "gui/berichtszoom.h"
#include "gui/dialoge.h"
#include "gui/qtext.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace saldino::gui {

namespace {

// The blank margin around the text, as a plain text view has.
constexpr int rand = 4;

const reports::Textzeilen& leere_quelle() {
    static const reports::Textzeilen leer;
    return leer;
}

// A line is measured as a whole, as it is drawn: a font's advances, rounded
// glyph by glyph, need not add up to the width of one character times the
// number of characters.
qreal breite_von(const QFont& schrift, const QPaintDevice* geraet, std::int64_t zeichen) {
    return QFontMetricsF(schrift, geraet)
        .horizontalAdvance(QString(static_cast<qsizetype>(zeichen), QLatin1Char('M')));
}

} // namespace

Berichtsansicht::Berichtsansicht(QWidget* eltern, const char* name, Schrift schrift)
    : QAbstractScrollArea(eltern), schrift_(schrift),
      quelle_(
          std::shared_ptr<const reports::Zeilenquelle>(std::shared_ptr<void>(), &leere_quelle())) {
    setObjectName(QString::fromLatin1(name));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    zugang_einrichten();
    schrift_anwenden();
    connect(&Berichtszoom::instanz(), &Berichtszoom::geaendert, this,
            &Berichtsansicht::schrift_anwenden);
}

Berichtsansicht::~Berichtsansicht() = default;

int Berichtsansicht::pixelgroesse() const {
    return std::max(1, static_cast<int>(std::lround(schrift_.pixel *
                                                    Berichtszoom::instanz().prozent() / 100.0)));
}

QFont Berichtsansicht::schrift_bei(int pixel) const {
    QFont schrift(QString::fromLatin1(schrift_.familie));
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    schrift.setPixelSize(pixel);
    schrift.setBold(schrift_.fett);
    return schrift;
}

qreal Berichtsansicht::textbreite() const {
    return std::max(breite_von(font_, viewport(), quelle_->breite()),
                    quelle_->breite() * zeichenbreite_);
}

int Berichtsansicht::passender_zoom() const {
    const int verfuegbar = viewport()->width() - 2 * rand;
    const auto zeichen = quelle_->breite();
    int pixel = -1;
    bool passt = false;
    for (int prozent = Berichtszoom::groesster; prozent > Berichtszoom::kleinster; --prozent) {
        const int bei =
            std::max(1, static_cast<int>(std::lround(schrift_.pixel * prozent / 100.0)));
        if (bei != pixel) {
            pixel = bei;
            const QFont schrift = schrift_bei(pixel);
            const qreal zeichenbreite =
                QFontMetricsF(schrift, viewport()).horizontalAdvance(QLatin1Char('M'));
            passt = std::max(breite_von(schrift, viewport(), zeichen), zeichen * zeichenbreite) <=
                    verfuegbar;
        }
        if (passt) {
            return prozent;
        }
    }
    return Berichtszoom::kleinster;
}

void Berichtsansicht::breite_anpassen() {
    Berichtszoom::instanz().setze(passender_zoom());
}

void Berichtsansicht::schrift_anwenden() {
    const std::int64_t oben = reihe(verticalScrollBar()->value()).zeile;
    const std::int64_t cursorreihe = reihe_von(cursor_) - verticalScrollBar()->value();
    const bool cursor_sichtbar = cursorreihe >= 0 && cursorreihe < sichtbare_reihen();
    font_ = schrift_bei(pixelgroesse());
    setFont(font_);
    const QFontMetricsF masse(font_, viewport());
    zeichenbreite_ = std::max<qreal>(1, masse.horizontalAdvance(QLatin1Char('M')));
    zeilenhoehe_ = std::max(1, QFontMetrics(font_).lineSpacing());
    reihen_berechnen();
    verticalScrollBar()->setValue(static_cast<int>(reihe_von({oben, 0})));
    if (cursor_sichtbar) {
        cursor_zeigen();
    }
    viewport()->update();
}

void Berichtsansicht::setze(std::shared_ptr<const reports::Zeilenquelle> quelle) {
    quelle_ = std::move(quelle);
    anfaenge_.clear();
    anker_ = cursor_ = {};
    reihen_berechnen();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    // Until a zoom is chosen, a report wider than its view starts at its width.
    if (Berichtszoom::instanz().frei() && isVisible() && !umbruch_ &&
        textbreite() + 2 * rand > viewport()->width()) {
        breite_anpassen();
    }
}

void Berichtsansicht::leeren() {
    setze(std::make_shared<reports::Textzeilen>());
}

void Berichtsansicht::setze_umbruch(bool umbruch) {
    umbruch_ = umbruch;
    reihen_berechnen();
    viewport()->update();
}

// Breaks each line into rows as wide as the view, after the last blank that
// fits where there is one.
void Berichtsansicht::reihen_berechnen() {
    reihen_.clear();
    if (umbruch_) {
        const auto spalten = std::max<std::int64_t>(
            1, static_cast<std::int64_t>((viewport()->width() - 2 * rand) / zeichenbreite_));
        std::int64_t nummer = 0;
        quelle_->alle([&](std::string_view zeile) {
            const auto laenge = static_cast<std::int64_t>(zeile.size());
            std::int64_t anfang = 0;
            do {
                std::int64_t stueck = std::min(spalten, laenge - anfang);
                if (anfang + stueck < laenge) {
                    const auto blank = zeile
                                           .substr(static_cast<std::size_t>(anfang),
                                                   static_cast<std::size_t>(stueck))
                                           .rfind(' ');
                    if (blank != std::string_view::npos && blank > 0) {
                        stueck = static_cast<std::int64_t>(blank) + 1;
                    }
                }
                reihen_.push_back({nummer, anfang, stueck});
                anfang += stueck;
            } while (anfang < laenge);
            ++nummer;
        });
    }
    bereiche_setzen();
}

void Berichtsansicht::bereiche_setzen() {
    const std::int64_t hoechste = std::max<std::int64_t>(0, reihenzahl() - sichtbare_reihen());
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::int64_t>(hoechste, INT32_MAX)));
    verticalScrollBar()->setPageStep(
        static_cast<int>(std::max<std::int64_t>(1, sichtbare_reihen())));
    verticalScrollBar()->setSingleStep(1);
    const int breite =
        umbruch_ ? 0 : static_cast<int>(std::ceil(textbreite())) + 2 * rand - viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, breite));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(static_cast<int>(std::ceil(zeichenbreite_)));
}

std::int64_t Berichtsansicht::reihenzahl() const {
    return umbruch_ ? static_cast<std::int64_t>(reihen_.size()) : quelle_->anzahl();
}

Berichtsansicht::Reihe Berichtsansicht::reihe(std::int64_t nummer) const {
    if (!umbruch_) {
        return {nummer, 0, -1};
    }
    if (nummer < 0 || nummer >= static_cast<std::int64_t>(reihen_.size())) {
        return {nummer < 0 ? 0 : quelle_->anzahl(), 0, 0};
    }
    return reihen_[static_cast<std::size_t>(nummer)];
}

std::int64_t Berichtsansicht::reihe_von(Textstelle stelle) const {
    if (!umbruch_) {
        return stelle.zeile;
    }
    const auto nach = std::upper_bound(
        reihen_.begin(), reihen_.end(), stelle, [](const Textstelle& s, const Reihe& r) {
            return s.zeile < r.zeile || (s.zeile == r.zeile && s.spalte < r.anfang);
        });
    return std::max<std::int64_t>(0, (nach - reihen_.begin()) - 1);
}

std::int64_t Berichtsansicht::sichtbare_reihen() const {
    return std::max(1, (viewport()->height() - 2 * rand) / zeilenhoehe_);
}

QStringList Berichtsansicht::zeilen(std::int64_t erste, std::int64_t menge) const {
    QStringList ergebnis;
    // A journal that can no longer be read shows nothing rather than failing the paint.
    try {
        quelle_->zeilen(erste, menge, [&ergebnis](std::string_view zeile) {
            ergebnis.append(als_qstring(zeile));
        });
    } catch (const std::exception&) {
    }
    return ergebnis;
}

QString Berichtsansicht::zeilentext(std::int64_t zeile) const {
    const QStringList eine = zeilen(zeile, 1);
    return eine.isEmpty() ? QString() : eine.front();
}

std::int64_t Berichtsansicht::zeilenlaenge(std::int64_t zeile) const {
    return zeilentext(zeile).size();
}

void Berichtsansicht::paintEvent(QPaintEvent*) {
    QPainter maler(viewport());
    maler.setFont(font_);
    const std::int64_t erste = verticalScrollBar()->value();
    const std::int64_t menge = sichtbare_reihen() + 1;
    const Reihe von = reihe(erste);
    const Reihe bis = reihe(std::min(erste + menge, reihenzahl()) - 1);
    const QStringList texte = zeilen(von.zeile, bis.zeile - von.zeile + 1);
    const Textstelle a = std::min(anker_, cursor_);
    const Textstelle b = std::max(anker_, cursor_);
    const qreal links = rand - horizontalScrollBar()->value();
    const int grundlinie = QFontMetrics(font_).ascent();
    const QPalette& farben = palette();
    for (std::int64_t r = 0; r < menge && erste + r < reihenzahl(); ++r) {
        const Reihe reihe_r = reihe(erste + r);
        const auto index = static_cast<qsizetype>(reihe_r.zeile - von.zeile);
        const QString text = index < texte.size() ? texte[index] : QString();
        const QString stueck = reihe_r.laenge < 0 ? text : text.mid(reihe_r.anfang, reihe_r.laenge);
        const int oben = rand + static_cast<int>(r) * zeilenhoehe_;
        // The selected columns of this row, end included for a selected line end.
        std::int64_t s0 = 0;
        std::int64_t s1 = 0;
        if (a != b && a.zeile <= reihe_r.zeile && reihe_r.zeile <= b.zeile) {
            s0 = a.zeile == reihe_r.zeile ? a.spalte : 0;
            s1 = b.zeile == reihe_r.zeile ? b.spalte : text.size() + 1;
            s0 = std::max(s0 - reihe_r.anfang, std::int64_t{0});
            s1 = std::min(s1 - reihe_r.anfang, static_cast<std::int64_t>(stueck.size()) + 1);
        }
        maler.setPen(farben.color(QPalette::Text));
        maler.drawText(QPointF(links, oben + grundlinie), stueck);
        if (s1 > s0) {
            const QRectF markiert(links + s0 * zeichenbreite_, oben, (s1 - s0) * zeichenbreite_,
                                  zeilenhoehe_);
            maler.fillRect(markiert, farben.brush(QPalette::Highlight));
            maler.setPen(farben.color(QPalette::HighlightedText));
            maler.drawText(QPointF(links + s0 * zeichenbreite_, oben + grundlinie),
                           stueck.mid(s0, s1 - s0));
        }
        if (hasFocus() && reihe_von(cursor_) == erste + r) {
            const qreal x = links + (cursor_.spalte - reihe_r.anfang) * zeichenbreite_;
            maler.fillRect(QRectF(x, oben, 1, zeilenhoehe_), farben.color(QPalette::Text));
        }
    }
}

void Berichtsansicht::resizeEvent(QResizeEvent* ereignis) {
    QAbstractScrollArea::resizeEvent(ereignis);
    reihen_berechnen();
}

Textstelle Berichtsansicht::stelle_bei(const QPoint& punkt) const {
    const std::int64_t r =
        std::clamp<std::int64_t>(verticalScrollBar()->value() + (punkt.y() - rand) / zeilenhoehe_ -
                                     (punkt.y() < rand ? 1 : 0),
                                 0, std::max<std::int64_t>(0, reihenzahl() - 1));
    const Reihe reihe_r = reihe(r);
    const auto spalte = static_cast<std::int64_t>(
        std::lround((punkt.x() - rand + horizontalScrollBar()->value()) / zeichenbreite_));
    const std::int64_t laenge = reihe_r.laenge < 0 ? zeilenlaenge(reihe_r.zeile) : reihe_r.laenge;
    return {reihe_r.zeile, reihe_r.anfang + std::clamp<std::int64_t>(spalte, 0, laenge)};
}

QRect Berichtsansicht::zeichenrechteck(Textstelle stelle) const {
    const std::int64_t r = reihe_von(stelle);
    const auto x = rand - horizontalScrollBar()->value() +
                   static_cast<int>((stelle.spalte - reihe(r).anfang) * zeichenbreite_);
    const auto y = rand + static_cast<int>(r - verticalScrollBar()->value()) * zeilenhoehe_;
    return {x, y, static_cast<int>(std::ceil(zeichenbreite_)), zeilenhoehe_};
}

void Berichtsansicht::markiere(Textstelle anker, Textstelle ende) {
    anker_ = anker;
    cursor_ = ende;
    cursor_zeigen();
    viewport()->update();
}

void Berichtsansicht::alles_markieren() {
    const std::int64_t letzte = std::max<std::int64_t>(0, quelle_->anzahl() - 1);
    anker_ = {};
    cursor_ = {letzte, zeilenlaenge(letzte)};
    viewport()->update();
}

QString Berichtsansicht::markierter_text() const {
    const Textstelle a = std::min(anker_, cursor_);
    const Textstelle b = std::max(anker_, cursor_);
    QStringList teile = zeilen(a.zeile, b.zeile - a.zeile + 1);
    if (teile.isEmpty() || a == b) {
        return {};
    }
    teile.back().truncate(b.spalte);
    teile.front().remove(0, a.spalte);
    return teile.join(QLatin1Char('\n'));
}

void Berichtsansicht::kopieren() const {
    const QString text = markierter_text();
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

QString Berichtsansicht::toPlainText() const {
    return zeilen(0, quelle_->anzahl()).join(QLatin1Char('\n'));
}

// Scrolls so that the cursor's row and column are on screen.
void Berichtsansicht::cursor_zeigen() {
    const std::int64_t r = reihe_von(cursor_);
    QScrollBar* senkrecht = verticalScrollBar();
    if (r < senkrecht->value()) {
        senkrecht->setValue(static_cast<int>(r));
    } else if (r >= senkrecht->value() + sichtbare_reihen()) {
        senkrecht->setValue(static_cast<int>(r - sichtbare_reihen() + 1));
    }
    const int x = static_cast<int>((cursor_.spalte - reihe(r).anfang) * zeichenbreite_);
    QScrollBar* waagerecht = horizontalScrollBar();
    if (x < waagerecht->value()) {
        waagerecht->setValue(x);
    } else if (x > waagerecht->value() + viewport()->width() - 2 * rand) {
        waagerecht->setValue(x - viewport()->width() + 2 * rand);
    }
}

void Berichtsansicht::bewege_cursor(Textstelle ziel, bool markieren) {
    const std::int64_t letzte = std::max<std::int64_t>(0, quelle_->anzahl() - 1);
    ziel.zeile = std::clamp<std::int64_t>(ziel.zeile, 0, letzte);
    ziel.spalte = std::clamp<std::int64_t>(ziel.spalte, 0, zeilenlaenge(ziel.zeile));
    cursor_ = ziel;
    if (!markieren) {
        anker_ = ziel;
    }
    cursor_zeigen();
    viewport()->update();
}

} // namespace saldino::gui
