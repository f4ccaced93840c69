#include "backup/aufgabenstand.h"

#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/ort.h"

#include <string>

namespace saldino::backup {

namespace {

const std::string aufgabendatei = std::string(runtime::programmordner) + "/aufgabe";

} // namespace

Aufgabenstand lies_aufgabenstand() {
    std::string text;
    try {
        if (!runtime::stand_von(aufgabendatei).regulaer) {
            return {};
        }
        text = runtime::lies_ganz(aufgabendatei);
    } catch (const runtime::Laufzeitfehler&) {
        return {}; // a choice that cannot be read is no reason to stop the start
    }
    Aufgabenstand stand;
    std::size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && stand.aufgabe < 1000) {
        stand.aufgabe = 10 * stand.aufgabe + (text[i++] - '0');
    }
    if (i >= text.size() || text[i] != '\n') {
        return {};
    }
    for (++i; i < text.size() && (text[i] == '0' || text[i] == '1'); ++i) {
        stand.erledigt.push_back(text[i] == '1');
    }
    return stand;
}

void schreibe_aufgabenstand(const Aufgabenstand& stand) {
    std::string text = std::to_string(stand.aufgabe) + '\n';
    for (const bool erledigt : stand.erledigt) {
        text += erledigt ? '1' : '0';
    }
    text += '\n';
    runtime::lege_ordner_an(runtime::programmordner);
    runtime::ersetze_datei(aufgabendatei, text);
}

} // namespace saldino::backup
