#pragma once

#include "masterdata/einstellungen.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QToolButton;

namespace saldino::gui {
class Programm;
}

namespace saldino::masterdata {

// The company-data page: name, address, bank and the two responsible persons.
class FirmenSeite : public QWidget {
    Q_OBJECT

public:
    FirmenSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(FirmenSeite)

    void werte_in(Einstellungen& werte) const;
    void zeige(const Einstellungen& werte);

    void SpeedButton32Click();

    // Edit1 to Edit8.
    std::array<QLineEdit*, 8> Edit{};
    QToolButton* SpeedButton32 = nullptr;

private:
    gui::Programm& programm_;
};

} // namespace saldino::masterdata
