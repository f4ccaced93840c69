#include "reports/berichtsdaten.h"

namespace saldino::reports {

Berichtsdaten berichtsdaten(const masterdata::Einstellungen& werte, std::int32_t kontenplan_nr) {
    Berichtsdaten daten;
    daten.kontenplan_nr = kontenplan_nr;
    daten.firma = {werte.firma[0], werte.firma[1], werte.firma[2], werte.firma[6], werte.firma[7]};
    daten.nullkonten_zeigen = werte.nullkonten_zeigen;
    return daten;
}

} // namespace saldino::reports
