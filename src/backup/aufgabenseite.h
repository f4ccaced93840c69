#pragma once

#include "backup/aufgaben.h"

#include <QWidget>

#include <array>

class QLabel;
class QToolButton;

namespace saldino::gui {
class Programm;
}

namespace saldino::backup {

// The exercise page: buttons "1" to "8", each with its exercise's title.
class AufgabenSeite : public QWidget {
    Q_OBJECT

public:
    AufgabenSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(AufgabenSeite)

    // Makes `titel` the caption of title label n (1 to 9).
    void titel_setzen(int n, const QString& titel);

    // SpeedButton14Click to SpeedButton21Click: the checklist of exercise n
    // replaces the items of CheckListBox1, all unticked; the choice is kept
    // for the next start (`sichern`).
    void aufgabe_oeffnen(int n, bool sichern = true);

    // "Prüfen": the journal against the solution of the exercise last opened,
    // shown on the page "Prüfergebnis".
    void SpeedButton37Click();

    // The exercise last opened with buttons "1" to "8"; 0 before the first.
    int letzte_aufgabe() const { return letzte_aufgabe_; }

    QLabel* Label47 = nullptr;
    std::array<QToolButton*, aufgabenzahl> SpeedButton14bis21{};
    std::array<QLabel*, aufgabenzahl> Label36bis43{};
    QToolButton* SpeedButton37 = nullptr;

private:
    gui::Programm& programm_;
    int letzte_aufgabe_ = 0;
};

} // namespace saldino::backup
