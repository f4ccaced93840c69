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

// A change that was made, only not yet safely on the disk: a rename
// happened, but flushing its folder failed. A caller that replaces several
// files goes on with the others instead of putting anything back.
class NichtAufPlatte : public Laufzeitfehler {
public:
    using Laufzeitfehler::Laufzeitfehler;
};

// A folder on the way to a name of the hidden folder does not exist.
class OrdnerFehlt : public Laufzeitfehler {
public:
    using Laufzeitfehler::Laufzeitfehler;
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
