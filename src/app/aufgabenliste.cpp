// The exercise checklist of the window: filled from the exercise opened,
// its ticks and the exercise kept in ".saldino/aufgabe" across a restart.
#include "app/tform1.h"
#include "backup/aufgaben.h"
#include "backup/aufgabenseite.h"
#include "backup/aufgabenstand.h"
#include "gui/qtext.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace saldino::app {

void TForm1::aufgabenliste_fuellen(const std::vector<std::string>& zeilen) {
    const QSignalBlocker still(CheckListBox1); // filling is no tick to keep
    CheckListBox1->clear();
    for (const std::string& zeile : zeilen) {
        auto* eintrag = new QListWidgetItem(gui::als_qstring(zeile), CheckListBox1);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Unchecked);
    }
}

void TForm1::aufgabenstand_sichern() {
    backup::Aufgabenstand stand{TabSheet8->letzte_aufgabe(), {}};
    if (stand.aufgabe == 0) {
        return;
    }
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        stand.erledigt.push_back(CheckListBox1->item(i)->checkState() == Qt::Checked);
    }
    backup::schreibe_aufgabenstand(stand);
}

// The exercise chosen last and its ticks, as they were when Saldino ended.
void TForm1::aufgabe_wiederherstellen() {
    const backup::Aufgabenstand stand = backup::lies_aufgabenstand();
    const std::vector<int>& nummern = TabSheet8->nummern();
    if (std::find(nummern.begin(), nummern.end(), stand.aufgabe) == nummern.end()) {
        return;
    }
    TabSheet8->aufgabe_oeffnen(stand.aufgabe, false);
    const QSignalBlocker still(CheckListBox1);
    for (int i = 0; i < CheckListBox1->count() && i < static_cast<int>(stand.erledigt.size());
         ++i) {
        CheckListBox1->item(i)->setCheckState(
            stand.erledigt[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace saldino::app
