#include "backup/aufgaben.h"

#include "runtime/dateien.h"

#include <array>

namespace saldino::backup {

std::string titeldatei(int n) {
    return "Aufgabe" + std::to_string(n) + ".txt";
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
