#pragma once

#include "backup/befunde.h"
#include "masterdata/einstellungen.h"
#include "reports/spalten.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// "Prüfen": the journal against the teacher's solution of an exercise, a
// backup file of the finished exercise ("loesung<N>.sdn").
namespace saldino::backup {

std::string loesungsdatei(int n);

// The solution "Prüfen" takes for exercise n: "loesungN.sdn" of the exercise
// folder, or in its "loesungen/", when one is named; then that of the working
// directory when there is one (a teacher's own); otherwise the one the
// program brings along in "loesungen/" of its data folder.
std::string loesung_fuer(int n, const std::filesystem::path& programmdaten);

// An account whose balance differs from the solution's, as amount texts.
struct Saldenabweichung {
    std::string konto;
    std::string dein_saldo;
    std::string erwartet;
};

struct Pruefergebnis {
    // The first line of the solution file that breaks the backup format, 0
    // when it was read; then nothing was compared.
    std::int32_t ungueltige_zeile = 0;
    // The solution's chart. When it is not the selected one, nothing was compared.
    std::int32_t loesungsplan = 0;
    bool falscher_kontenplan = false;
    std::int32_t richtig = 0;
    std::int32_t loesungsbuchungen = 0;
    std::int32_t buchungen = 0; // the pupil's
    // In solution order: each solution booking matched with another date, or
    // matched by no booking, and what was found for it.
    std::vector<Befund> befunde;
    std::vector<GepruefteBuchung> ueberzaehlig; // bookings nothing was found for
    std::vector<Saldenabweichung> abweichende_salden;

    bool alles_richtig() const;
    std::int32_t anzahl(Befundart art) const;
};

// Compares the journal with the solution. Each booking counts as the set of
// its used lines (account, debit and credit to the cent), whatever their
// order, date, payer and reason; a booking and a solution booking match at
// most once each, one of the same date first. What no booking matched is
// explained by what matched nothing (`ordne_zu`). Then every account whose
// balance differs: the chart's accounts in its order, then any other as it
// first appears.
Pruefergebnis vergleiche(const std::string& loesung, std::int32_t kontenplan_nr);

// The same for the bookings of a pupil's backup file, on the chart it names;
// a damaged pupil's file throws UngueltigeSicherung.
class Sicherungsleser;
Pruefergebnis vergleiche_sicherung(const std::string& loesung, Sicherungsleser& schueler);

// The lines of the result (Windows-1252). With another chart than the
// solution's the only line names the chart the exercise needs; `werte` gives
// the names of the charts.
void pruefergebnis_ausgeben(const Pruefergebnis& ergebnis, const masterdata::Einstellungen& werte,
                            const reports::Zeilenziel& ziel);

// Compares, then hands the lines to `ziel` unless the solution could not be read.
Pruefergebnis pruefe(const std::string& loesung, std::int32_t kontenplan_nr,
                     const masterdata::Einstellungen& werte, const reports::Zeilenziel& ziel);

} // namespace saldino::backup
