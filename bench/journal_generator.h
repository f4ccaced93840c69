#pragma once

#include <filesystem>

namespace saldino::bench {

// A working directory with a 99-account chart (chart 1, selected in
// einstellungen.txt) and a journal of `buchungen` bookings of two to five
// lines each, made the same way every time.
std::filesystem::path erzeuge_arbeitsverzeichnis(int buchungen);

} // namespace saldino::bench
