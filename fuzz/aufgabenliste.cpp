// An exercise's title and checklist file.
#include "arbeitsordner.h"
#include "backup/aufgaben.h"
#include "runtime/fehler.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    saldino::fuzz::in_eigenen_ordner();
    saldino::fuzz::lege_ab(saldino::backup::titeldatei(1).c_str(), daten, anzahl);
    saldino::fuzz::lege_ab(saldino::backup::listendatei(1).c_str(), daten, anzahl);
    try {
        (void)saldino::backup::lies_aufgabentitel(1);
        (void)saldino::backup::lies_aufgabenliste(1);
    } catch (const saldino::runtime::Laufzeitfehler&) {
    }
    return 0;
}
