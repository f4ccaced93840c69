#pragma once

#include "cli/aufruf.h"

#include <cstdio>
#include <string>

namespace saldino::cli {

// "aufgaben pruefen [ORDNER]": every exercise of the folder (each pair
// AufgabeN.txt/aufgabeN.txt) must have a title naming its chart, a
// checklist, and a solution (loesungN.sdn beside it or in loesungen/) of that
// chart whose bookings balance on its accounts and that checks all right
// against itself. Prints per exercise its title, chart, number of bookings and
// key figures, then the faults. Only reads the folder; the charts come from it
// or else from `arbeitsverzeichnis`. Returns 0 when every exercise is sound,
// 1 with faults, 2 when the folder cannot be read. Paths are absolute.
int aufgabenpruefung(const std::string& ordner, const std::string& arbeitsverzeichnis,
                     std::FILE* aus);

// The command as called: the folder (its second argument) relative to where
// the tool was called, else the working directory (--dir or the current one).
int aufgaben_pruefen(const Aufruf& aufruf, std::FILE* aus, std::FILE* fehler);

} // namespace saldino::cli
