// One line of a chart file.
#include "masterdata/kontenplan.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    saldino::masterdata::TKonto konto;
    saldino::masterdata::werte_aus({reinterpret_cast<const char*>(daten), anzahl}, konto);
    return 0;
}
