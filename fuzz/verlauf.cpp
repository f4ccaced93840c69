// A damaged history of changes: the next start, taking back, making again
// and new changes (whose numbers follow the damaged ones) read it, and never
// touch anything outside the working directory.
#include "backup/verlauf.h"
#include "arbeitsordner.h"
#include "journal/buchung.h"
#include "runtime/ersetzung.h"
#include "runtime/fehler.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    namespace fs = std::filesystem;
    saldino::fuzz::in_eigenen_ordner();
    ::mkdir(saldino::runtime::programmordner, 0777);
    ::mkdir(saldino::backup::verlaufsordner, 0777);
    ::mkdir(".saldino/verlauf/1", 0777);
    const std::uint8_t satz[528] = {};
    saldino::fuzz::lege_ab("buchungen.dat", satz, sizeof satz);
    saldino::fuzz::lege_ab(".saldino/verlauf/1/satz.neu", satz, sizeof satz);
    saldino::fuzz::lege_ab(".saldino/verlauf/schritte", daten, anzahl);
    for (const auto schritt :
         {+[] { saldino::backup::verlauf_wiederherstellen(); },
          +[] { saldino::backup::rueckgaengig(); }, +[] { saldino::backup::wiederholen(); },
          +[] { saldino::backup::verlauf(); },
          +[] {
              auto aenderung = saldino::backup::Aenderung::anhaengen("neu");
              saldino::journal::TBuchung buchung;
              saldino::journal::buchung_anhaengen(buchung);
              aenderung.festhalten();
          },
          +[] {
              auto aenderung = saldino::backup::Aenderung::ersetzen(true, false, "ersetzt");
              saldino::journal::journal_leeren();
              aenderung.festhalten();
          },
          +[] { saldino::backup::rueckgaengig(); }}) {
        try {
            schritt();
        } catch (const saldino::runtime::Laufzeitfehler&) {
        }
    }
    if (fs::exists("../buchungen.dat") || fs::exists("../einstellungen.txt")) {
        std::abort();
    }
    std::error_code fehler;
    fs::remove_all(saldino::runtime::programmordner, fehler);
    fs::remove("buchungen.dat", fehler);
    fs::remove("einstellungen.txt", fehler);
    return 0;
}
