#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;

class QToolButton;

namespace saldino::gui {
class Gitter;
class Programm;
} // namespace saldino::gui

namespace saldino::masterdata {

// The chart-selection page: four buttons choose chart 1 to 4, the grid shows
// the chosen chart with the classification of every account. The only way
// here is "Kontenplan", which empties the journal first.
class KontenplanSeite : public QWidget {
    Q_OBJECT

public:
    KontenplanSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(KontenplanSeite)

    // Row 0 of the grid: written once at start-up.
    void ueberschriften_setzen();

    // "Kontenplan": after two confirmations empties the journal and shows this page.
    void SpeedButton23Click();
    void TabSheet9Show();
    // SpeedButton10Click to SpeedButton13Click: choose chart 1 to 4.
    void kontenplan_waehlen(std::int32_t nummer);
    // Refills the grid from the selected chart file.
    void kontenplan_auswahl();
    // After "Sicherung laden!": the grid and the label show the chart loaded.
    // The page is otherwise reached only through "Kontenplan", which would
    // empty the journal just loaded.
    void geladenen_kontenplan_zeigen();

    QLabel* Label12 = nullptr;
    QLabel* Label24 = nullptr;
    std::array<QToolButton*, 4> SpeedButton10bis13{};
    std::array<QLabel*, 4> Label14bis17{};
    gui::Gitter* StringGrid1 = nullptr;

private:
    gui::Programm& programm_;
};

} // namespace saldino::masterdata
