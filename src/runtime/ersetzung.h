#pragma once

#include "runtime/dateien.h"

#include <initializer_list>
#include <string>
#include <vector>

// Replacing several files together so that neither a crash nor an I/O error
// can ever leave some of them new and the others old.
namespace saldino::runtime {

// The plan of a replacement in progress, in the hidden folder.
inline constexpr const char* ersetzungsplan = ".saldino/ersetzung";

// Renames finished replacement files (each already `abschliessen`) into
// place together. Before the first rename a plan naming every temporary file
// and its target is on disk; from then on the replacement is carried
// through, never undone. An error before the plan was in place changes
// nothing and is thrown as it is. An error after it is thrown as
// NichtAufPlatte: every file is new, or the plan and the temporary files it
// names stay, so that the next start (or command) completes it.
void ersetze_gemeinsam(std::initializer_list<Ersatzdatei*> dateien);

// Run by every command that takes the lock, before anything else is read or
// written: lays aside a hidden folder that is no plain folder of the user's,
// completes a replacement a crash or an error interrupted (its files were
// complete on disk before the plan was written, so it is finished, never
// undone), then removes the temporary files and old copies a crash left in
// the working directory. `dateien` are the working directory's own files,
// whose leftovers of earlier versions ("<datei>.alt", "<datei>.tmpXXXXXX")
// go, too. A plan that cannot be carried out (unreadable, or naming a
// folder) is laid aside; the returned notices (Windows-1252) say so.
std::vector<std::string> stelle_wieder_her(std::initializer_list<std::string> dateien = {});

} // namespace saldino::runtime
