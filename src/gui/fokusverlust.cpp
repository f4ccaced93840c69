#include "gui/fokusverlust.h"

#include "gui/programm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace saldino::gui {

Fokusverlust::Fokusverlust(Befehlslaeufer& laeufer, QObject* eltern)
    : QObject(eltern), laeufer_(laeufer) {}

void Fokusverlust::beobachte(QWidget* feld, std::function<void()> handler) {
    handler_[feld] = std::move(handler);
    feld->installEventFilter(this);
}

bool Fokusverlust::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        const auto handler = handler_.find(objekt);
        if (handler != handler_.end() && grund != Qt::PopupFocusReason &&
            grund != Qt::ActiveWindowFocusReason && grund != Qt::MenuBarFocusReason &&
            !ausgeliehen(static_cast<QWidget*>(objekt))) {
            laeufer_.befehl(handler->second);
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

bool Fokusverlust::ausgeliehen(const QWidget* feld) {
    // An open popup (a drop-down list) or another window only borrows the
    // focus; without a window manager the list takes it with "other" as the reason.
    const QWidget* neu = QApplication::focusWidget();
    return QApplication::activePopupWidget() != nullptr ||
           (neu != nullptr && neu->window() != feld->window());
}

} // namespace saldino::gui
