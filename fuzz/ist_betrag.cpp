// The amount filter gives the text itself or "0,00".
#include "journal/eingaberegeln.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    const std::string_view text(reinterpret_cast<const char*>(daten), anzahl);
    const std::string ergebnis = saldino::journal::ist_betrag(text);
    bool nur_ziffern_und_kommas = true;
    for (const char c : text) {
        nur_ziffern_und_kommas = nur_ziffern_und_kommas && ((c >= '0' && c <= '9') || c == ',');
    }
    if (ergebnis != (nur_ziffern_und_kommas ? text : "0,00")) {
        std::abort();
    }
    return 0;
}
