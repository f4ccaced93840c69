#pragma once

#include <QWidget>

class QTableWidget;

namespace saldino::app {
class TForm1;
}

namespace saldino::masterdata {

// The chart-selection page with the grid of the chosen chart.
class KontenplanSeite : public QWidget {
    Q_OBJECT

public:
    KontenplanSeite(app::TForm1& form, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(KontenplanSeite)

    // Row 0 of the grid: written once at start-up.
    void ueberschriften_setzen();

    QTableWidget* StringGrid1 = nullptr;
};

} // namespace saldino::masterdata
