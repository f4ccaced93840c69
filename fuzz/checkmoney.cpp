// A typed amount: either the conversion error or an amount text, and an
// amount text of at most 15 digits reads back as itself.
#include "journal/eingaberegeln.h"
#include "runtime/fehler.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool ist_betragstext(const std::string& text) {
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    const std::size_t komma = text.find(',');
    if (komma == std::string::npos || komma == i || komma + 3 != text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (i != komma && !std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    try {
        const std::string text =
            saldino::journal::checkmoney({reinterpret_cast<const char*>(daten), anzahl});
        if (!ist_betragstext(text)) {
            std::abort();
        }
        const std::size_t ziffern = text.size() - 1 - (text[0] == '-' ? 1 : 0);
        if (ziffern <= 15 && saldino::journal::checkmoney(text) != text) {
            std::abort();
        }
    } catch (const saldino::runtime::Laufzeitfehler&) {
    }
    return 0;
}
