#include "gui/fokusverlust.h"

#include "gui/programm.h"

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
            grund != Qt::ActiveWindowFocusReason && grund != Qt::MenuBarFocusReason) {
            laeufer_.befehl(handler->second);
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace saldino::gui
