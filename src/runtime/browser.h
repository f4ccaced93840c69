#pragma once

#include <string>

// The browser edition's storage: the working directory is a folder of the
// in-memory file system kept in the browser's IndexedDB. The page loads it
// before the first command and writes it back (FS.syncfs) after every change,
// before it reports the change done.
namespace saldino::runtime {

// Makes `ordner` a folder kept in IndexedDB. Only in the WebAssembly build.
void browserspeicher_einhaengen(const std::string& ordner);

} // namespace saldino::runtime
