#include "app/anwendung.h"
#include "app/tform1.h"
#include "backup/verlauf.h"
#include "gui/berichtszoom.h"
#include "gui/dialoge.h"
#include "gui/qtext.h"
#include "runtime/ersetzung.h"
#include "runtime/fehler.h"
#include "runtime/sperre.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    saldino::app::anwendung_einrichten(anwendung);
    // The pupil's zoom of the reports, kept from the last run.
    auto& zoom = saldino::gui::Berichtszoom::instanz();
    zoom.datei_setzen(saldino::gui::Berichtszoom::standarddatei());
    saldino::gui::QtDialoge dialoge;
    // A second window on the same files would overwrite the first one's work.
    std::optional<saldino::runtime::Sperre> sperre;
    try {
        sperre = saldino::runtime::Sperre::versuche();
    } catch (const saldino::runtime::Laufzeitfehler& fehler) {
        dialoge.fehler(saldino::gui::als_qstring(fehler.meldung()));
        return 1;
    }
    if (!sperre) {
        dialoge.meldung(saldino::gui::als_qstring(saldino::runtime::laeuft_bereits()));
        return 1;
    }
    // What a crash left half done is finished, and its leftovers removed,
    // before the window reads anything.
    try {
        saldino::runtime::stelle_wieder_her();
        saldino::backup::verlauf_wiederherstellen();
    } catch (const saldino::runtime::Laufzeitfehler& fehler) {
        dialoge.fehler(saldino::gui::als_qstring(fehler.meldung()));
    }
    saldino::app::TForm1 Form1(dialoge);
    dialoge.setze_eltern(&Form1);
    Form1.show();
    return QApplication::exec();
}
