#include "app/start.h"

#include <cstdlib>

namespace saldino::app {

const char* const startaufruf_hilfe =
    "Aufruf: saldino [VERZEICHNIS]\n"
    "Startet Saldino im Arbeitsverzeichnis (Vorgabe: ~/Saldino) und legt dort die\n"
    "mitgelieferten Dateien an, die fehlen; vorhandene werden nie überschrieben.\n"
    "  --anleitung  die Anleitung (PDF) öffnen\n"
    "  --help       diese Hilfe\n"
    "  --version    die Versionsnummer\n";

Startaufruf lies_startaufruf(const std::vector<std::string>& argumente) {
    Startaufruf aufruf;
    bool optionen = true;
    std::vector<std::string> verzeichnisse;
    for (const std::string& argument : argumente) {
        if (optionen && argument == "--") {
            optionen = false;
        } else if (optionen && (argument == "--help" || argument == "-h")) {
            aufruf.art = Startaufruf::Art::hilfe;
            return aufruf;
        } else if (optionen && argument == "--version") {
            aufruf.art = Startaufruf::Art::version;
            return aufruf;
        } else if (optionen && argument == "--anleitung") {
            aufruf.art = Startaufruf::Art::anleitung;
            return aufruf;
        } else if (optionen && argument == "--pruefstart") {
            aufruf.pruefstart = true;
        } else if (optionen && argument.starts_with('-')) {
            aufruf.art = Startaufruf::Art::falsch;
            return aufruf;
        } else {
            verzeichnisse.push_back(argument);
        }
    }
    if (verzeichnisse.size() > 1 || (verzeichnisse.size() == 1 && verzeichnisse[0].empty())) {
        aufruf.art = Startaufruf::Art::falsch;
    } else if (verzeichnisse.size() == 1) {
        aufruf.verzeichnis = verzeichnisse[0];
    }
    return aufruf;
}

std::filesystem::path standardverzeichnis() {
    const char* heim = std::getenv("HOME");
    return std::filesystem::path(heim != nullptr && *heim != '\0' ? heim : ".") / "Saldino";
}

} // namespace saldino::app
