#include "backup/aufgaben.h"

#include "runtime/dateien.h"
#include "runtime/fehler.h"

#include <array>

namespace saldino::backup {

std::string titeldatei(int n) {
    return "Aufgabe" + std::to_string(n) + ".txt";
}

std::string listendatei(int n) {
    return "aufgabe" + std::to_string(n) + ".txt";
}

std::vector<int> aufgabennummern() {
    std::vector<int> nummern;
    for (int n = 1; n <= hoechste_aufgabe; ++n) {
        if (n <= aufgabenzahl ||
            (runtime::existiert(titeldatei(n)) && runtime::existiert(listendatei(n)))) {
            nummern.push_back(n);
        }
    }
    return nummern;
}

std::vector<std::string> lies_aufgabenliste(int n) {
    const std::string name = listendatei(n);
    std::string inhalt;
    try {
        inhalt = runtime::lies_ganz(name);
    } catch (const runtime::Laufzeitfehler& fehler) {
        runtime::wirf_nicht_oeffnbar(runtime::voller_pfad(name), fehler.meldung());
    }
    return runtime::teile_zeilen(inhalt);
}

std::string lies_aufgabentitel(int n) {
    runtime::Datei datei(titeldatei(n), runtime::Datei::Zugriff::lesen);
    std::string zeile;
    std::array<char, 4096> block{};
    for (std::int64_t position = 0;; position += static_cast<std::int64_t>(block.size())) {
        const std::size_t gelesen = datei.lies(position, block.data(), block.size());
        const std::string_view teil(block.data(), gelesen);
        const std::size_t ende = teil.find_first_of("\r\n");
        zeile.append(teil.substr(0, ende));
        if (ende != std::string_view::npos || gelesen < block.size()) {
            break;
        }
    }
    datei.schliessen();
    return zeile;
}

} // namespace saldino::backup
