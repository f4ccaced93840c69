#include "app/fokusverlust.h"

#include "app/tform1.h"

#include <QFocusEvent>
#include <QWidget>

namespace saldino::app {

Fokusverlust::Fokusverlust(TForm1& form, QObject* eltern) : QObject(eltern), form_(form) {}

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
            form_.befehl(handler->second);
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace saldino::app
