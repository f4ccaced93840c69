// A typed date against a booking year taken from the first byte: either the
// integer error or a date "TT.MM.JJJJ".
#include "journal/eingaberegeln.h"
#include "runtime/fehler.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    if (anzahl == 0) {
        return 0;
    }
    const std::int32_t jahr = 1950 + daten[0];
    try {
        const std::string datum = saldino::journal::checkdate(
            {reinterpret_cast<const char*>(daten + 1), anzahl - 1}, jahr);
        if (datum.size() != 10 || datum[2] != '.' || datum[5] != '.') {
            std::abort();
        }
        for (const std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
            if (!std::isdigit(static_cast<unsigned char>(datum[i]))) {
                std::abort();
            }
        }
    } catch (const saldino::runtime::Laufzeitfehler&) {
    }
    return 0;
}
