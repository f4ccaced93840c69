#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace saldino::app {
class Gitter;
class TForm1;
} // namespace saldino::app

namespace saldino::journal {

// The opening-balance page: every account of the chart with its opening
// amount; "OK" replaces the journal by one opening record per account.
class EroeffnungsSeite : public QWidget {
    Q_OBJECT

public:
    EroeffnungsSeite(app::TForm1& form, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(EroeffnungsSeite)

    // Row 0 of the grid: written once at start-up.
    void ueberschriften_setzen();

    void TabSheet3Show();
    void SpeedButton7Click();

    app::Gitter* StringGrid2 = nullptr;
    QLabel* Label35 = nullptr;
    QLineEdit* Edit27 = nullptr;
    QLabel* Label48 = nullptr;
    QToolButton* SpeedButton7 = nullptr;

private:
    app::TForm1& form_;
};

} // namespace saldino::journal
