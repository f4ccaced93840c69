// The notice document of the start page.
#include "runtime/rtf.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    (void)saldino::runtime::lies_rtf({reinterpret_cast<const char*>(daten), anzahl});
    return 0;
}
