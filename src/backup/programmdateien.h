#pragma once

#include "runtime/ersetzung.h"

#include <string>

// The files of the program in its working directory, which no command
// overwrites with something else.
namespace saldino::backup {

// The notice shown on the start page.
inline constexpr const char* hinweisdatei = "Wichtiger Hinweis.rtf";

// The program's hidden folder for its own state.
using runtime::programmordner;

// Whether `ziel` (a path of the file system) is one of the program's files in
// the working directory `arbeitsverzeichnis`: settings, journal and its
// scratch copy, charts, exercise files, the notice, the solutions, the
// supplied picture and manual, or anything in the hidden folder.
bool ist_programmdatei(const std::string& ziel, const std::string& arbeitsverzeichnis);

// Whether "Alles Speichern" may write its backup to `ziel`: not a file of the
// program, and either no file yet or one shaped like a Saldino backup.
bool darf_sicherung_schreiben(const std::string& ziel, const std::string& arbeitsverzeichnis);

} // namespace saldino::backup
