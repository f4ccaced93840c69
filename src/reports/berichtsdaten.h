#pragma once

#include "masterdata/einstellungen.h"
#include "reports/spalten.h"

#include <cstdint>

namespace saldino::reports {

// What the reports read of the settings: the chart, the company fields of
// the heading and signature blocks and the zero-account switch.
struct Berichtsdaten {
    std::int32_t kontenplan_nr = 0;
    Firmendaten firma;
    bool nullkonten_zeigen = false; // "Konten mit dem Wert 0,00 in der Bilanz darstellen!"
};

Berichtsdaten berichtsdaten(const masterdata::Einstellungen& werte, std::int32_t kontenplan_nr);

} // namespace saldino::reports
