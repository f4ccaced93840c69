#include "runtime/browser.h"

#include <emscripten.h>

namespace saldino::runtime {

void browserspeicher_einhaengen(const std::string& ordner) {
    // clang-format off
    EM_ASM({
        const ordner = UTF8ToString($0);
        if (!FS.analyzePath(ordner).exists) {
            FS.mkdir(ordner);
        }
        FS.mount(IDBFS, {}, ordner);
    }, ordner.c_str());
    // clang-format on
}

} // namespace saldino::runtime
