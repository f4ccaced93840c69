#include "gui/programm.h"

#include "backup/verlauf.h"

#include "gui/dialoge.h"
#include "gui/qtext.h"
#include "masterdata/kontenplan.h"
#include "runtime/meldungen.h"

namespace saldino::gui {

void Programm::einstellungen_sichern(const std::string& beschreibung) {
    const masterdata::Einstellungen werte = einstellungen();
    backup::einstellungen_sichern(werte, beschreibung);
    buchungsjahr = masterdata::buchungsjahr(werte.jahr);
}

reports::Berichtsdaten Programm::berichtsdaten() const {
    return reports::berichtsdaten(einstellungen(), kontenplan_nr);
}

bool Programm::ist_konto(const std::string& text) {
    if (kontenplan_nr == 0) {
        dialoge().meldung(aus_utf8(runtime::meldungen::kein_kontenplan));
        return false;
    }
    return masterdata::Kontenplan(kontenplan_nr).ist_konto(text);
}

} // namespace saldino::gui
