#pragma once

#include <QToolButton>

namespace saldino::gui {

// A flat command button as the pages place them: raised under the mouse,
// sunken while pressed or, for a page's button, while its page is shown. It
// takes the focus by Tab only (a click leaves the focus where it was), shows
// a focus frame then, and runs on Space or Enter. A screen reader hears a
// button; a page's button is "pressed" while its page is shown.
class Befehlsknopf : public QToolButton {
    Q_OBJECT

public:
    explicit Befehlsknopf(QWidget* eltern);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
};

} // namespace saldino::gui
