#include "gui/befehlsknopf.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace saldino::gui {

namespace {

// What a screen reader is told of a command button: a button by its caption
// (without the "&" of its access key), pressed while its page is shown, with
// the action "Press". Qt's own would call a checkable button a check box.
class ZugangBefehlsknopf : public QAccessibleWidget {
public:
    explicit ZugangBefehlsknopf(Befehlsknopf* knopf)
        : QAccessibleWidget(knopf, QAccessible::Button) {}

    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Name && knopf()->accessibleName().isEmpty()) {
            return QString(knopf()->text()).remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(art);
    }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.pressed = knopf()->isDown() || knopf()->isChecked();
        return zustand;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& aktion) override {
        if (aktion == pressAction()) {
            knopf()->click();
        } else {
            QAccessibleWidget::doAction(aktion);
        }
    }

private:
    Befehlsknopf* knopf() const { return static_cast<Befehlsknopf*>(widget()); }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("saldino::gui::Befehlsknopf") && objekt != nullptr &&
        objekt->isWidgetType()) {
        return new ZugangBefehlsknopf(static_cast<Befehlsknopf*>(objekt));
    }
    return nullptr;
}

} // namespace

Befehlsknopf::Befehlsknopf(QWidget* eltern) : QToolButton(eltern) {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)eingerichtet;
    setAutoRaise(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void Befehlsknopf::keyPressEvent(QKeyEvent* ereignis) {
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) &&
        ereignis->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QToolButton::keyPressEvent(ereignis);
}

void Befehlsknopf::paintEvent(QPaintEvent* ereignis) {
    QToolButton::paintEvent(ereignis);
    if (!hasFocus()) {
        return;
    }
    QStylePainter maler(this);
    QStyleOptionFocusRect rahmen;
    rahmen.initFrom(this);
    rahmen.rect = rect().adjusted(2, 2, -2, -2);
    rahmen.backgroundColor = palette().color(QPalette::Button);
    maler.drawPrimitive(QStyle::PE_FrameFocusRect, rahmen);
}

} // namespace saldino::gui
