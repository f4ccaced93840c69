#pragma once

#include "runtime/ersetzung.h"

#include <filesystem>
#include <string>
#include <vector>

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

// Makes `verzeichnis` a working directory: creates it when needed and copies
// every file of `vorrat` (its files, not its folders) and of `weitere` that it
// lacks; a file already there is never overwritten. A failure throws
// "Das Arbeitsverzeichnis <verzeichnis> kann nicht angelegt werden: <Grund>"
// or "Die Datei <ziel> kann nicht angelegt werden: <Grund>".
void arbeitsverzeichnis_vorbereiten(const std::filesystem::path& verzeichnis,
                                    const std::filesystem::path& vorrat,
                                    const std::vector<std::filesystem::path>& weitere = {});

} // namespace saldino::backup
