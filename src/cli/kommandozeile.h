#pragma once

#include <cstdio>

// saldino-cli: the reports, backup, restore and "Prüfen" for teachers and
// scripts, over the same core as the window. Each command is one row of the
// table in kommandozeile.cpp: its name, its argument, whether it writes, its action.
namespace saldino::cli {

inline constexpr int erfolg = 0;
inline constexpr int programmmeldung = 1; // the report's own message, as the window would show it
inline constexpr int laufzeitfehler = 2;  // a file or conversion error
inline constexpr int falscher_kontenplan = 3; // "pruefen": the exercise needs another chart
inline constexpr int falscher_aufruf = 64;

// Runs the command line; report lines go to `aus` in UTF-8, messages to `fehler`.
int ausfuehren(int argc, const char* const argv[], std::FILE* aus, std::FILE* fehler);

} // namespace saldino::cli
