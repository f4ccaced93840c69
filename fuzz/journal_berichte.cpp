// The journal records and the four reports over an arbitrary chart and
// journal. The input is the chart file's length (two bytes, little-endian),
// the chart file, then the journal file.
#include "arbeitsordner.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "reports/betriebsergebnis.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"
#include "reports/kontenblatt.h"
#include "runtime/fehler.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace saldino;

template <typename Bericht> void versuche(Bericht bericht) {
    try {
        bericht();
    } catch (const runtime::Laufzeitfehler&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t anzahl) {
    if (anzahl < 2) {
        return 0;
    }
    fuzz::in_eigenen_ordner();
    const std::size_t planlaenge = std::min<std::size_t>(daten[0] | daten[1] << 8, anzahl - 2);
    fuzz::lege_ab(masterdata::kontenplandatei(1).c_str(), daten + 2, planlaenge);
    fuzz::lege_ab(journal::journaldatei, daten + 2 + planlaenge, anzahl - 2 - planlaenge);

    masterdata::Einstellungen werte;
    werte.nullkonten_zeigen = anzahl % 2 == 0;
    const reports::Berichtsdaten berichtsdaten = reports::berichtsdaten(werte, 1);
    std::size_t zeichen = 0;
    const reports::Zeilenziel ziel = [&zeichen](std::string_view zeile) {
        zeichen += zeile.size();
    };

    versuche([&] { (void)reports::bilanz(berichtsdaten, ziel); });
    versuche([&] { (void)reports::betriebsergebnis(berichtsdaten, ziel); });
    versuche([&] { reports::journalliste(ziel); });
    versuche([&] {
        const masterdata::Kontenplan plan(1);
        if (!plan.konten().empty()) {
            reports::kontenblatt(plan.konten().front().bezeichnung, ziel, 2004);
        }
    });
    versuche([&] {
        const std::int32_t zahl = journal::zaehle_buchungen();
        if (zahl > 0) {
            (void)journal::lies_buchung(zahl);
        }
    });
    return 0;
}
