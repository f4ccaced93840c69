// "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y, Ctrl+Shift+Z): the
// history's steps taken back and made again from the window.
#include "app/tform1.h"
#include "backup/verlauf.h"
#include "gui/dialoge.h"
#include "gui/qtext.h"
#include "journal/buchung.h"
#include "masterdata/kontenplanseite.h"
#include "runtime/dateien.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <QStackedWidget>

#include <algorithm>

namespace saldino::app {

void TForm1::rueckgaengig() {
    runtime::wechsle_verzeichnis(startverzeichnis.string());
    const auto beschreibung = backup::rueckgaengig_beschreibung();
    if (!beschreibung) {
        dialoge_.meldung(gui::aus_utf8(runtime::meldungen::nichts_rueckgaengig));
        return;
    }
    if (!dialoge_.frage(gui::aus_utf8(
            runtime::meldungen::rueckgaengig_frage(runtime::cp1252_nach_utf8(*beschreibung))))) {
        return;
    }
    if (const auto schritt = backup::rueckgaengig()) {
        stand_neu_laden(schritt->buchung);
    }
}

void TForm1::wiederholen() {
    runtime::wechsle_verzeichnis(startverzeichnis.string());
    const auto schritt = backup::wiederholen();
    if (!schritt) {
        dialoge_.meldung(gui::aus_utf8(runtime::meldungen::nichts_zu_wiederholen));
        return;
    }
    stand_neu_laden(schritt->buchung);
}

void TForm1::stand_neu_laden(std::int32_t buchung) {
    befehl([this] { lade_einstellungen(); });
    anzahl_buchungen = journal::zaehle_buchungen();
    aktuelle_buchung = buchung > 0 ? std::min(buchung, anzahl_buchungen) : anzahl_buchungen;
    position_schreiben();
    TabSheet9->geladenen_kontenplan_zeigen();
    seitenwechsel(PageControl1->currentIndex());
}

} // namespace saldino::app
