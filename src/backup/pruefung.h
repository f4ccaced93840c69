#pragma once

#include "masterdata/einstellungen.h"
#include "reports/spalten.h"

#include <cstdint>
#include <string>

// "Prüfen": the journal against the teacher's solution of an exercise, a
// backup file of the finished exercise ("loesung<N>.sdn").
namespace saldino::backup {

std::string loesungsdatei(int n);

struct Pruefung {
    // The first line of the solution file that breaks the backup format, 0
    // when it was read; then nothing was compared.
    std::int32_t ungueltige_zeile = 0;
    bool alles_richtig = false;
};

// Compares the journal with the solution and hands the lines of the result
// (Windows-1252) to `ziel`. With another chart than the solution's the only
// line names the chart the exercise needs. Otherwise each booking counts as the
// set of its used lines (account, debit and credit to the cent), whatever
// their order, date, payer and reason; a booking and a solution booking
// match at most once each. Then every account whose balance differs.
// `werte` gives the names of the charts.
Pruefung pruefe(const std::string& loesung, std::int32_t kontenplan_nr,
                const masterdata::Einstellungen& werte, const reports::Zeilenziel& ziel);

} // namespace saldino::backup
