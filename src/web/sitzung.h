#pragma once

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

// The chart chosen in the settings, 0 for none or unreadable settings.
std::int32_t kontenplan_nr();

} // namespace saldino::web
