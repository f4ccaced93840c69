#include "runtime/zahlen.h"

#include "runtime/fehler.h"

#include <charconv>

namespace saldino::runtime {

std::int32_t lies_integer(std::string_view text) {
    std::string_view ziffern = text;
    if (!ziffern.empty() && ziffern.front() == '+') {
        ziffern.remove_prefix(1);
        if (!ziffern.empty() && ziffern.front() == '-') {
            wirf_kein_integer(text);
        }
    }
    std::int32_t wert = 0;
    const auto [ende, fehler] =
        std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), wert);
    if (ziffern.empty() || fehler != std::errc() || ende != ziffern.data() + ziffern.size()) {
        wirf_kein_integer(text);
    }
    return wert;
}

} // namespace saldino::runtime
