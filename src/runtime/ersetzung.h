#pragma once

#include "runtime/dateien.h"

#include <initializer_list>

// Replacing several files together so that a crash can never leave some of
// them new and the others old.
namespace saldino::runtime {

// The program's hidden folder in the working directory, for its own state.
inline constexpr const char* programmordner = ".saldino";

// The plan of a replacement in progress, in the hidden folder.
inline constexpr const char* ersetzungsplan = ".saldino/ersetzung";

// Renames finished replacement files (each already `abschliessen`) into
// place together. Before the first rename a plan naming every temporary file
// and its target is on disk, so that `stelle_wieder_her` can complete the
// renames after a crash; afterwards the plan is removed. When a rename fails
// with an error, the plan is removed and the error thrown: the caller puts
// back what was renamed already.
void ersetze_gemeinsam(std::initializer_list<Ersatzdatei*> dateien);

// Run at every start with the lock held, before anything else is written:
// completes a replacement a crash interrupted (its files were complete on
// disk before the plan was written, so it is finished, never undone), then
// removes the temporary files and old copies a crash left in the working
// directory.
void stelle_wieder_her();

} // namespace saldino::runtime
