#pragma once

#include <filesystem>

namespace saldino::bench {

// A working directory with a 99-account chart (chart 1, selected in
// einstellungen.txt) and a journal of `buchungen` bookings, four in five of
// two lines and the others of two to five (about 2.3 lines a booking), made
// the same way every time.
std::filesystem::path erzeuge_arbeitsverzeichnis(int buchungen);

} // namespace saldino::bench
