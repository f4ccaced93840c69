// The report view's keys, mouse and context menu, and filling it from a report.
#include "gui/berichtsansicht.h"
#include "gui/berichtszoom.h"
#include "gui/dialoge.h"
#include "gui/qtext.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

namespace saldino::gui {

void Berichtsansicht::keyPressEvent(QKeyEvent* ereignis) {
    Berichtszoom& zoom = Berichtszoom::instanz();
    if (ereignis == QKeySequence::Copy) {
        kopieren();
    } else if (ereignis == QKeySequence::SelectAll) {
        alles_markieren();
    } else if (ereignis == QKeySequence::Print) {
        drucken();
    } else if (ereignis == QKeySequence::ZoomIn ||
               (ereignis->modifiers() & Qt::ControlModifier &&
                (ereignis->key() == Qt::Key_Plus || ereignis->key() == Qt::Key_Equal))) {
        zoom.groesser();
    } else if (ereignis == QKeySequence::ZoomOut ||
               (ereignis->modifiers() & Qt::ControlModifier && ereignis->key() == Qt::Key_Minus)) {
        zoom.kleiner();
    } else if (ereignis->modifiers() & Qt::ControlModifier && ereignis->key() == Qt::Key_0) {
        zoom.zuruecksetzen();
    } else {
        const bool markieren = (ereignis->modifiers() & Qt::ShiftModifier) != 0;
        const bool strg = (ereignis->modifiers() & Qt::ControlModifier) != 0;
        const std::int64_t seite = std::max<std::int64_t>(1, sichtbare_reihen() - 1);
        Textstelle ziel = cursor_;
        switch (ereignis->key()) {
        case Qt::Key_Up:
            --ziel.zeile;
            break;
        case Qt::Key_Down:
            ++ziel.zeile;
            break;
        case Qt::Key_Left:
            if (ziel.spalte > 0) {
                --ziel.spalte;
            } else if (ziel.zeile > 0) {
                --ziel.zeile;
                ziel.spalte = zeilenlaenge(ziel.zeile);
            }
            break;
        case Qt::Key_Right:
            if (ziel.spalte < zeilenlaenge(ziel.zeile)) {
                ++ziel.spalte;
            } else {
                ziel = {ziel.zeile + 1, 0};
            }
            break;
        case Qt::Key_PageUp:
            ziel.zeile -= seite;
            verticalScrollBar()->setValue(verticalScrollBar()->value() - static_cast<int>(seite));
            break;
        case Qt::Key_PageDown:
            ziel.zeile += seite;
            verticalScrollBar()->setValue(verticalScrollBar()->value() + static_cast<int>(seite));
            break;
        case Qt::Key_Home:
            ziel = {strg ? 0 : ziel.zeile, 0};
            break;
        case Qt::Key_End:
            ziel.zeile = strg ? quelle_->anzahl() - 1 : ziel.zeile;
            ziel.spalte = INT64_MAX;
            break;
        default:
            QAbstractScrollArea::keyPressEvent(ereignis);
            return;
        }
        bewege_cursor(ziel, markieren);
    }
    ereignis->accept();
}

void Berichtsansicht::bewege_zum_ende() {
    bewege_cursor({quelle_->anzahl() - 1, INT64_MAX}, false);
}

void Berichtsansicht::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) {
        return;
    }
    const Textstelle stelle = stelle_bei(ereignis->position().toPoint());
    const bool erweitern = (ereignis->modifiers() & Qt::ShiftModifier) != 0;
    markiere(erweitern ? anker_ : stelle, stelle);
}

void Berichtsansicht::mouseMoveEvent(QMouseEvent* ereignis) {
    if ((ereignis->buttons() & Qt::LeftButton) != 0) {
        markiere(anker_, stelle_bei(ereignis->position().toPoint()));
    }
}

void Berichtsansicht::mouseReleaseEvent(QMouseEvent* ereignis) {
    ereignis->accept();
}

// A double click marks the word under the mouse: the characters up to the
// next blanks.
void Berichtsansicht::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    const Textstelle stelle = stelle_bei(ereignis->position().toPoint());
    const QString text = zeilentext(stelle.zeile);
    qsizetype anfang = std::min<qsizetype>(stelle.spalte, text.size());
    qsizetype ende = anfang;
    while (anfang > 0 && !text[anfang - 1].isSpace()) {
        --anfang;
    }
    while (ende < text.size() && !text[ende].isSpace()) {
        ++ende;
    }
    markiere({stelle.zeile, anfang}, {stelle.zeile, ende});
}

void Berichtsansicht::wheelEvent(QWheelEvent* ereignis) {
    if ((ereignis->modifiers() & Qt::ControlModifier) != 0) {
        const int richtung = ereignis->angleDelta().y();
        if (richtung > 0) {
            Berichtszoom::instanz().groesser();
        } else if (richtung < 0) {
            Berichtszoom::instanz().kleiner();
        }
        ereignis->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(ereignis);
}

void Berichtsansicht::contextMenuEvent(QContextMenuEvent* ereignis) {
    QMenu menue(this);
    Berichtszoom& zoom = Berichtszoom::instanz();
    QAction* kopie = menue.addAction(QStringLiteral("Kopieren"), QKeySequence::Copy, this,
                                     &Berichtsansicht::kopieren);
    kopie->setEnabled(anker_ != cursor_);
    menue.addAction(QStringLiteral("Alles markieren"), QKeySequence::SelectAll, this,
                    &Berichtsansicht::alles_markieren);
    menue.addSeparator();
    menue.addAction(QStringLiteral("Drucken…"), QKeySequence::Print, this,
                    &Berichtsansicht::drucken);
    menue.addAction(QStringLiteral("Als PDF speichern…"), this,
                    &Berichtsansicht::als_pdf_speichern);
    menue.addSeparator();
    menue.addAction(QStringLiteral("Größer"), QKeySequence(QStringLiteral("Ctrl++")), &zoom,
                    &Berichtszoom::groesser);
    menue.addAction(QStringLiteral("Kleiner"), QKeySequence(QStringLiteral("Ctrl+-")), &zoom,
                    &Berichtszoom::kleiner);
    menue.addAction(QStringLiteral("Normale Größe"), QKeySequence(QStringLiteral("Ctrl+0")), &zoom,
                    &Berichtszoom::zuruecksetzen);
    menue.addAction(QStringLiteral("Breite anpassen"), this, &Berichtsansicht::breite_anpassen);
    menue.exec(ereignis->globalPos());
}

void Berichtsansicht::focusInEvent(QFocusEvent* ereignis) {
    QAbstractScrollArea::focusInEvent(ereignis);
    viewport()->update();
}

void Berichtsansicht::focusOutEvent(QFocusEvent* ereignis) {
    QAbstractScrollArea::focusOutEvent(ereignis);
    viewport()->update();
}

void fuelle(Berichtsansicht& ansicht, Dialoge& dialoge, const Bericht& bericht) {
    auto zeilen = std::make_shared<reports::Textzeilen>();
    const reports::Zeilenziel ziel = [&zeilen](std::string_view zeile) {
        zeilen->anhaengen(zeile);
    };
    const auto setzen = [&] {
        if (zeilen->anzahl() > 0) {
            ansicht.setze(zeilen);
        }
    };
    std::optional<std::string> meldung;
    try {
        meldung = bericht(ziel);
    } catch (...) {
        setzen();
        throw;
    }
    setzen();
    if (meldung) {
        dialoge.meldung(als_qstring(*meldung));
    }
}

} // namespace saldino::gui
