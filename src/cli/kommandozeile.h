#pragma once

#include <cstdio>
#include <string_view>

// saldino-cli: the reports, backup, restore and "Prüfen" for teachers and
// scripts, over the same core as the window. Each command is one row of the
// table in kommandozeile.cpp: its name, its argument, whether it writes, its action.
namespace saldino::cli {

inline constexpr int erfolg = 0;
inline constexpr int programmmeldung = 1; // the report's own message, as the window would show it
inline constexpr int laufzeitfehler = 2;  // a file or conversion error
inline constexpr int falscher_kontenplan = 3; // "pruefen": the exercise needs another chart
inline constexpr int falscher_aufruf = 64;

// Bytes as they are.
void schreibe(std::FILE* ziel, std::string_view text);
// A line of Windows-1252 text as a line of UTF-8, without the control
// characters that data may hold.
void zeile(std::FILE* ziel, std::string_view cp1252);

// Runs the command line; report lines go to `aus` in UTF-8, messages to `fehler`.
int ausfuehren(int argc, const char* const argv[], std::FILE* aus, std::FILE* fehler);

} // namespace saldino::cli
