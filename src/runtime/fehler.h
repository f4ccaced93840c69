#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The runtime errors of the program: a failed file operation or a failed
// text-to-number conversion ends the running command with one of these, and
// the command runner shows its German message in an error box.
namespace saldino::runtime {

class Laufzeitfehler : public std::runtime_error {
public:
    // `meldung` is Windows-1252 text, like every text of the core.
    explicit Laufzeitfehler(const std::string& meldung) : std::runtime_error(meldung) {}

    const char* meldung() const noexcept { return what(); }
};

// The German message of a system error number (errno): "Datei nicht gefunden",
// "Dateizugriff verweigert", ..., otherwise "E/A-Fehler <n>".
std::string dateifehler_text(int fehlernummer);

[[noreturn]] void wirf_dateifehler(int fehlernummer);

// Reading a record beyond the end of a record file.
[[noreturn]] void wirf_dateiende();

// "'<text>' ist kein gültiger Integerwert"
[[noreturn]] void wirf_kein_integer(std::string_view text);

// "'<text>' ist kein gültiger Gleitkommawert"
[[noreturn]] void wirf_kein_gleitkomma(std::string_view text);

// "Datei <pfad> kann nicht geöffnet werden. <grund>" for documents and lists.
[[noreturn]] void wirf_nicht_oeffnbar(std::string_view pfad, std::string_view grund);

} // namespace saldino::runtime
