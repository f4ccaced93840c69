// The amount filter gives the text as pupils write it, read the way the
// amount rule reads it, or "0,00"; a text of digits and commas stays itself.
#include "journal/eingaberegeln.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool nur_ziffern_und_kommas(std::string_view text) {
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == ',')) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    const std::string_view text(reinterpret_cast<const char*>(daten), anzahl);
    const std::string ergebnis = saldino::journal::ist_betrag(text);
    const std::string gelesen = saldino::journal::wie_getippt(text);
    if (ergebnis != (nur_ziffern_und_kommas(gelesen) ? gelesen : "0,00")) {
        std::abort();
    }
    if (nur_ziffern_und_kommas(text) && ergebnis != text) {
        std::abort();
    }
    return 0;
}
