#pragma once

#include <cstdint>
#include <optional>
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

// The exercise folder: where exercises and their solutions are read (and a
// teacher's are written), so that a class shares one set, also from a
// read-only share. Named in "aufgabenordner.txt" of the working directory
// (one line; none or an empty line: the working directory itself).
inline constexpr const char* aufgabenordnerdatei = "aufgabenordner.txt";
std::string lies_aufgabenordner();
void schreibe_aufgabenordner(const std::string& ordner);
// Makes `ordner` the folder the functions here read from ("" for the working directory).
void aufgabenordner_setzen(std::string ordner);
const std::string& aufgabenordner();
// Where an exercise file is read: `name` in the exercise folder when it is
// there, otherwise in the working directory (the exercises of the folder come
// on top of those of the working directory).
std::string aufgabenpfad(const std::string& name);
// Where a teacher's exercise file is written: in the folder when one is named.
std::string aufgabenziel(const std::string& name);

// Whether `name` is an exercise's file: "AufgabeN.txt", "aufgabeN.txt" or
// "loesungN.sdn", N from 1 to 99.
bool ist_aufgabendatei(const std::string& name);
// Makes the folder `ziel` hold the exercise files of the folder `quelle` and
// of its "loesungen/" (in its own "loesungen/"), and no other exercise files;
// other files in either stay as they are. The number of files copied.
int aufgaben_uebernehmen(const std::string& quelle, const std::string& ziel);

// The exercises the page offers, in order: 1 to 9, and each N from 10 to 99
// whose title file and checklist file are both in the working directory.
std::vector<int> aufgabennummern();

// The first line of the title file N; "Datei nicht gefunden" when it is missing.
std::string lies_aufgabentitel(int n);

// The lines of the checklist file N, one item each, empty lines included.
// A file that cannot be read gives "Datei <full path> kann nicht geöffnet
// werden. <reason>".
std::vector<std::string> lies_aufgabenliste(int n);

// An exercise as a teacher writes it (UTF-8): its title, the first line of
// both files, and the items of its checklist.
struct Aufgabentext {
    std::string titel;
    std::vector<std::string> punkte;
};

// Why the exercise cannot be saved, or nothing: "Bitte gib der Aufgabe einen
// Titel." for an empty title, "Das Zeichen „<z>“ kann in einer Aufgabe nicht
// gespeichert werden." for the first character Windows-1252 cannot hold.
std::optional<std::string> aufgabe_pruefen(const Aufgabentext& aufgabe);

// Exercise n as its two files hold it; a missing checklist gives no items.
Aufgabentext lies_aufgabe(int n);

// Writes "AufgabeN.txt" (the title) and "aufgabeN.txt" (the title, then one
// item per line), Windows-1252 with CR LF, each replaced whole. The
// exercise must have passed aufgabe_pruefen.
void schreibe_aufgabe(int n, const Aufgabentext& aufgabe);

// The lowest number from 10 to 99 that no exercise has yet; 0 when all are taken.
int freie_aufgabennummer();

// What the journal shows of the figures an exercise asks for, so that a
// teacher compares them with the text before saving it as the solution
// (Windows-1252 lines): profit or loss, the total of the closing balance
// sheet, the VAT payable when there is VAT, and each account of the chart
// the checklist `liste` names in „…“ with the value its sheet shows.
std::vector<std::string> kennzahlen(std::int32_t kontenplan_nr,
                                    const std::vector<std::string>& liste);

// The first of those: profit or loss, the SBK total and the VAT payable.
std::vector<std::string> eckzahlen(std::int32_t kontenplan_nr);

} // namespace saldino::backup
