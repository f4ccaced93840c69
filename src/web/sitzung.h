#pragma once

#include "masterdata/einstellungen.h"
#include "runtime/text.h"

#include <emscripten/val.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What the browser's commands share (src/web/sitzung.cpp).
namespace saldino::web {

// Runs a command as the desktop's command runner does: a runtime error ends
// it and becomes the error box's text ("fehler"); what it returns is its
// message box ("meldung"); both UTF-8, empty for none.
emscripten::val befehl(const std::function<std::optional<std::string>(emscripten::val&)>& aktion);

// The year a date without one receives, from the settings as on the desktop.
std::int32_t buchungsjahr();

// The chart chosen in the settings, 0 for none or unreadable settings.
std::int32_t kontenplan_nr();

// The settings as the file holds them; what could be read of a damaged one.
masterdata::Einstellungen gelesene_einstellungen();

// The names of the chart's accounts into `antwort.konten`; without a chart
// none, and the message "Du hast keinen Kontenplan ausgewählt!" to return.
std::optional<std::string> kontennamen(emscripten::val& antwort);

// Windows-1252 texts as a JavaScript array of UTF-8 strings.
template <typename Texte> emscripten::val utf8_liste(const Texte& texte) {
    emscripten::val liste = emscripten::val::array();
    for (const std::string& text : texte) {
        liste.call<void>("push", runtime::cp1252_nach_utf8(text));
    }
    return liste;
}

} // namespace saldino::web
