#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view hilfe =
    "Aufruf: saldino-cli [--help | --version]\n"
    "\n"
    "Werkzeug zu Saldino für Lehrkräfte und Skripte. Es arbeitet im aktuellen\n"
    "Verzeichnis mit denselben Dateien wie das Programm.\n"
    "\n"
    "  --help     diese Hilfe zeigen\n"
    "  --version  die Versionsnummer zeigen\n";

void schreibe(std::FILE* ziel, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), ziel);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        schreibe(stdout, hilfe);
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        schreibe(stdout, "saldino-cli " SALDINO_VERSION "\n");
        return 0;
    }
    schreibe(stderr,
             argc < 2 ? "saldino-cli: Befehl fehlt\n" : "saldino-cli: unbekannter Befehl\n");
    schreibe(stderr, hilfe);
    return 2;
}
