// The settings file, read as at start-up.
#include "masterdata/einstellungen.h"
#include "arbeitsordner.h"
#include "runtime/fehler.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    saldino::fuzz::in_eigenen_ordner();
    saldino::fuzz::lege_ab(saldino::masterdata::einstellungsdatei, daten, anzahl);
    saldino::masterdata::Einstellungen werte;
    try {
        saldino::masterdata::lies_einstellungen(werte);
    } catch (const saldino::runtime::Laufzeitfehler&) {
    }
    return 0;
}
