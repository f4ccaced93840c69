#pragma once

#include <QWidget>

class QTableWidget;

namespace saldino::app {
class TForm1;
}

namespace saldino::journal {

// The opening-balance page with its grid of accounts and amounts.
class EroeffnungsSeite : public QWidget {
    Q_OBJECT

public:
    EroeffnungsSeite(app::TForm1& form, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(EroeffnungsSeite)

    // Row 0 of the grid: written once at start-up.
    void ueberschriften_setzen();

    QTableWidget* StringGrid2 = nullptr;
};

} // namespace saldino::journal
