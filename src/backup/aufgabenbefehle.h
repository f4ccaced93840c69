#pragma once

#include "backup/aufgaben.h"
#include "masterdata/einstellungen.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// What the commands of the exercise page do, for the window and the browser
// alike; the pages only show the result and ask the questions.
namespace saldino::backup {

// "Prüfen" of exercise n, `titel` its label (Windows-1252; "" or "Label36"
// while none could be read): the lines of the page "Prüfergebnis", headed by
// the title, or instead the message to show (UTF-8) when there is no solution
// or it cannot be read.
struct Pruefseite {
    std::vector<std::string> zeilen;
    std::string meldung;
};
Pruefseite pruefseite(int n, const std::string& titel, const std::filesystem::path& programmdaten,
                      std::int32_t kontenplan_nr, const masterdata::Einstellungen& werte);

// What "Aufgabe bearbeiten" starts with: exercise `offen`, or with none open
// the first free number, as its files hold it (empty when there are none).
struct Aufgabenvorgabe {
    int nummer = 0;
    Aufgabentext aufgabe;
};
Aufgabenvorgabe aufgabenvorgabe(int offen);

// The dialog's checklist: one item per line, the empty lines at its end dropped.
std::vector<std::string> aufgabenpunkte(std::string_view text);

// Whether saving as exercise n replaces another one than `offen` (asked first).
bool ersetzt_andere_aufgabe(int n, int offen);

// Where the solution of exercise n is written: "loesungN.sdn" of the
// exercise folder, or of the working directory without one.
std::string loesungsziel(int n);

// "Als Lösung speichern" of exercise n on chart `kontenplan_nr`: the file it
// writes and the question showing its key figures (UTF-8), or instead the
// message why it cannot (no exercise chosen, no chart).
struct Loesungsvorhaben {
    std::string datei;
    std::string frage;
    std::string meldung;
};
Loesungsvorhaben loesungsvorhaben(int n, std::int32_t kontenplan_nr);

} // namespace saldino::backup
