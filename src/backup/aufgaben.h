#pragma once

#include <string>
#include <vector>

// The exercise files: "Aufgabe<N>.txt" holds the title of exercise N in its
// first line, "aufgabe<N>.txt" its checklist.
namespace saldino::backup {

inline constexpr int aufgabenzahl = 9;

std::string titeldatei(int n);
std::string listendatei(int n);

// The first line of the title file N; "Datei nicht gefunden" when it is missing.
std::string lies_aufgabentitel(int n);

// The lines of the checklist file N, one item each, empty lines included.
// A file that cannot be read gives "Datei <full path> kann nicht geöffnet
// werden. <reason>".
std::vector<std::string> lies_aufgabenliste(int n);

} // namespace saldino::backup
