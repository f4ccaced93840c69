#pragma once

#include <QWidget>

class QLabel;

namespace saldino::app {
class TForm1;
}

namespace saldino::journal {

// The booking page.
class BuchungsSeite : public QWidget {
    Q_OBJECT

public:
    BuchungsSeite(app::TForm1& form, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(BuchungsSeite)

    // "Buchung:" and the position text; both stay hidden.
    QLabel* Label44 = nullptr;
    QLabel* Label45 = nullptr;
};

} // namespace saldino::journal
