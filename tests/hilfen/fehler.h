#pragma once

#include "runtime/fehler.h"
#include "runtime/text.h"

#include <string>

namespace saldino::test {

// The message (as UTF-8) of the runtime error that `befehl` throws, or
// "(kein Fehler)".
template <typename Befehl> std::string meldung_von(Befehl befehl) {
    try {
        befehl();
    } catch (const runtime::Laufzeitfehler& fehler) {
        return runtime::cp1252_nach_utf8(fehler.meldung());
    }
    return "(kein Fehler)";
}

} // namespace saldino::test
