#pragma once

#include <string>

// The exercise files: "Aufgabe<N>.txt" holds the title of exercise N in its
// first line, "aufgabe<N>.txt" its checklist.
namespace saldino::backup {

inline constexpr int aufgabenzahl = 8;

std::string titeldatei(int n);

// The first line of the title file N; "Datei nicht gefunden" when it is missing.
std::string lies_aufgabentitel(int n);

} // namespace saldino::backup
