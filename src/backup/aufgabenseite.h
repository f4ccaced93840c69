#pragma once

#include "backup/aufgaben.h"

#include <QWidget>

#include <vector>

class QLabel;
class QScrollArea;
class QToolButton;

namespace saldino::gui {
class Programm;
}

namespace saldino::backup {

// The exercise page: a button per exercise, each with its exercise's title.
// Buttons "1" to "8" stand where they always stood; the ninth and every
// further one follow in the same pattern inside a scroll area below them.
class AufgabenSeite : public QWidget {
    Q_OBJECT

public:
    AufgabenSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(AufgabenSeite)

    // Makes `titel` the caption of the title label of exercise n.
    void titel_setzen(int n, const QString& titel);

    // The exercises the page offers, in order (see aufgabennummern).
    const std::vector<int>& nummern() const { return nummern_; }

    // SpeedButton14Click to SpeedButton21Click: the checklist of exercise n
    // replaces the items of CheckListBox1, all unticked; the choice is kept
    // for the next start (`sichern`).
    void aufgabe_oeffnen(int n, bool sichern = true);

    // "Prüfen": the journal against the solution of the exercise last opened,
    // shown on the page "Prüfergebnis".
    void SpeedButton37Click();

    // "Aufgabe bearbeiten" (teachers only, by the access word): writes a new
    // or an existing exercise with its dialog, checked for Windows-1252, and
    // opens it.
    void AufgabeBearbeitenClick();
    // "Als Lösung speichern" (teachers only): the journal and company data as
    // "loesungN.sdn" of the exercise last opened, after showing its key figures.
    void AlsLoesungSpeichernClick();

    // Reads which exercises there are and puts up their buttons and labels
    // (all captioned "Label36" until their titles are set).
    void knoepfe_setzen();
    // Sets every title from its file; a title that cannot be read stays as it is.
    void titel_lesen();

    // The exercise last opened with buttons "1" to "8"; 0 before the first.
    int letzte_aufgabe() const { return letzte_aufgabe_; }

    QLabel* Label47 = nullptr;
    // In the order of nummern(): exercise n <= 9 at index n - 1.
    std::vector<QToolButton*> SpeedButton14bis21;
    std::vector<QLabel*> Label36bis43;
    QScrollArea* Aufgabenrollbereich = nullptr; // the ninth and further ones
    QToolButton* SpeedButton37 = nullptr;
    QToolButton* AufgabeBearbeiten = nullptr;
    QToolButton* AlsLoesungSpeichern = nullptr;

private:
    QLabel* titellabel(int n) const;

    gui::Programm& programm_;
    std::vector<int> nummern_;
    int letzte_aufgabe_ = 0;
};

} // namespace saldino::backup
