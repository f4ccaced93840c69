// The plan of an interrupted replacement, completed as at start-up.
#include "runtime/ersetzung.h"
#include "arbeitsordner.h"
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
    // A finished temporary file that a plan may name, and a file outside.
    saldino::fuzz::lege_ab("buchungen.dat.saldino.tmpAbCdEf", daten, anzahl);
    saldino::fuzz::lege_ab(saldino::runtime::ersetzungsplan, daten, anzahl);
    try {
        saldino::runtime::stelle_wieder_her();
    } catch (const saldino::runtime::Laufzeitfehler&) {
    }
    // The plan is gone (carried out or laid aside), and nothing left the directory.
    if (fs::exists(saldino::runtime::ersetzungsplan) || fs::exists("../buchungen.dat")) {
        std::abort();
    }
    std::error_code fehler;
    fs::remove("buchungen.dat", fehler);
    // A plan that could not be carried out was laid aside there.
    fs::remove_all(saldino::runtime::programmordner, fehler);
    return 0;
}
