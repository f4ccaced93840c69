#include "app/start.h"

#include <cstdlib>

namespace saldino::app {

const char* const startaufruf_hilfe =
    "Aufruf: saldino [--pruefstart] [QT-OPTIONEN] [VERZEICHNIS]\n"
    "Startet Saldino im Arbeitsverzeichnis (Vorgabe: ~/Saldino) und legt dort die\n"
    "mitgelieferten Dateien an, die fehlen; vorhandene werden nie überschrieben.\n"
    "  --anleitung  die Anleitung (PDF) öffnen\n"
    "  --pruefstart den Start ohne Benutzer prüfen: jede Meldung wird mit \"Nein\"\n"
    "               beantwortet und auf die Standardfehlerausgabe geschrieben;\n"
    "               Rückgabewert 0 ohne Meldung, sonst 1\n"
    "  --help       diese Hilfe\n"
    "  --version    die Versionsnummer\n"
    "Dazu die Optionen von Qt, zum Beispiel -style NAME, -platform NAME, -reverse.\n";

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

std::vector<std::string> nur_hilfe_und_version(const std::vector<std::string>& argumente) {
    for (const std::string& argument : argumente) {
        if (argument == "--") {
            break;
        }
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            return {argument};
        }
    }
    return {};
}

std::filesystem::path standardverzeichnis() {
    const char* heim = std::getenv("HOME");
    return std::filesystem::path(heim != nullptr && *heim != '\0' ? heim : ".") / "Saldino";
}

} // namespace saldino::app
