#pragma once

#include "cli/aufruf.h"

#include <cstdio>
#include <string>
#include <vector>

namespace saldino::cli {

// "pruefen --loesung LOESUNG DATEI...": each pupil's backup file compared
// with the solution as "Prüfen" compares a journal, read-only and without a
// working directory; the charts are read from the solution's folder (or the
// folder above it, or the current one). Per file a heading with the file and
// the company, then the lines of "Prüfen"; with `csv` one line per file.
// Returns 0 when every file is all right, 1 when one is not, 2 when one (or
// the solution) cannot be read. The paths are absolute.
int klassenpruefung(const std::string& loesung, const std::vector<std::string>& namen,
                    const std::vector<std::string>& pfade, bool csv, std::FILE* aus,
                    std::FILE* fehler);

// The command as called: the files named relative to where the tool was called.
int klasse_pruefen(const Aufruf& aufruf, std::FILE* aus, std::FILE* fehler);

} // namespace saldino::cli
