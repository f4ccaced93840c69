#pragma once

#include <QString>

#include <filesystem>
#include <functional>

namespace saldino::app {

// The pupils' manual as the program has it (installed, or the build tree's).
std::filesystem::path programmanleitung();

// The pupils' manual in the working directory, where the start put it;
// without it the program's own.
std::filesystem::path anleitung();

// Opens `pdf` with the desktop's program for PDF files (xdg-open) and waits
// for the launcher: "" when it opened it, else why not.
QString oeffne_und_warte(const std::filesystem::path& pdf);

// The same without waiting: `gescheitert` hears why, when it could not be
// opened. The launcher outlives the window, so `gescheitert` must check that
// what it tells still exists.
void oeffne(const std::filesystem::path& pdf, std::function<void(const QString&)> gescheitert);

} // namespace saldino::app
