// The backup loader: a good file replaces the journal with exactly its
// bookings, a bad one changes nothing. The same file as the solution of
// "Prüfen" against the journal.
#include "backup/sicherung.h"
#include "arbeitsordner.h"
#include "backup/pruefung.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    using namespace saldino;
    fuzz::in_eigenen_ordner();
    fuzz::lege_ab("fuzz.sdn", daten, anzahl);
    const std::string altes_journal(journal::satzlaenge, 'x');
    fuzz::lege_ab(journal::journaldatei, altes_journal);
    fuzz::lege_ab(masterdata::einstellungsdatei, "alt\r\n");

    masterdata::Einstellungen werte;
    backup::GeladeneSicherung geladen;
    try {
        geladen = backup::lade_sicherung("fuzz.sdn", werte);
    } catch (const runtime::Laufzeitfehler&) {
        geladen.ungueltige_zeile = -1;
    }
    if (geladen.ungueltige_zeile != 0) {
        if (runtime::lies_ganz(journal::journaldatei) != altes_journal ||
            runtime::lies_ganz(masterdata::einstellungsdatei) != "alt\r\n") {
            std::abort();
        }
    } else if (journal::zaehle_buchungen() != geladen.buchungen ||
               runtime::lies_ganz(journal::journaldatei).size() !=
                   static_cast<std::size_t>(geladen.buchungen) * journal::satzlaenge) {
        std::abort();
    }
    try {
        (void)backup::pruefe("fuzz.sdn", 1, werte, [](std::string_view) {});
    } catch (const runtime::Laufzeitfehler&) {
    }
    return 0;
}
