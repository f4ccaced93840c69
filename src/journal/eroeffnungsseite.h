#pragma once

#include "masterdata/kontenplan.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QToolButton;

namespace saldino::gui {
class Gitter;
class Programm;
} // namespace saldino::gui

namespace saldino::journal {

// The opening-balance page: every account of the chart with its opening
// amount; "OK" replaces the journal by one opening record per account.
class EroeffnungsSeite : public QWidget {
    Q_OBJECT

public:
    EroeffnungsSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(EroeffnungsSeite)

    // Row 0 of the grid: written once at start-up.
    void ueberschriften_setzen();

    void TabSheet3Show();
    void SpeedButton7Click() { buchen(false); }
    // "Nur Anfangsbestände ersetzen": the same checks and questions as "OK"
    // but the "Achtung!" one; only the opening records are replaced.
    void NurAnfangsbestaendeClick() { buchen(true); }

    gui::Gitter* StringGrid2 = nullptr;
    QLabel* Label35 = nullptr;
    QLineEdit* Edit27 = nullptr;
    QLabel* Label48 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* NurAnfangsbestaende = nullptr;
    QLabel* summe_aktiva = nullptr; // the typed amounts by side, as they are typed
    QLabel* summe_passiva = nullptr;

private:
    void buchen(bool nur_anfangsbestaende);
    void summen_zeigen();

    gui::Programm& programm_;
    std::vector<masterdata::TKonto> konten_; // the accounts the grid shows
};

} // namespace saldino::journal
