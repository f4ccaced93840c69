#pragma once

#include <string>
#include <vector>

// The exercise files: "Aufgabe<N>.txt" holds the title of exercise N in its
// first line, "aufgabe<N>.txt" its checklist.
namespace saldino::backup {

// Exercises 1 to 9 always have their buttons; further ones, up to 99, when
// their files are there.
inline constexpr int aufgabenzahl = 9;
inline constexpr int hoechste_aufgabe = 99;

std::string titeldatei(int n);
std::string listendatei(int n);

// The exercises the page offers, in order: 1 to 9, and each N from 10 to 99
// whose title file and checklist file are both in the working directory.
std::vector<int> aufgabennummern();

// The first line of the title file N; "Datei nicht gefunden" when it is missing.
std::string lies_aufgabentitel(int n);

// The lines of the checklist file N, one item each, empty lines included.
// A file that cannot be read gives "Datei <full path> kann nicht geöffnet
// werden. <reason>".
std::vector<std::string> lies_aufgabenliste(int n);

} // namespace saldino::backup
