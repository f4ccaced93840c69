#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The program's own messages, written once, in UTF-8 as the source files
// are. The core converts them to Windows-1252 where it hands them on, the
// window to QString; the window and saldino-cli show the same text.
namespace saldino::runtime::meldungen {

inline constexpr std::string_view kein_kontenplan = "Du hast keinen Kontenplan ausgewählt!";
inline constexpr std::string_view konto_nicht_gefunden = "Konto nicht gefunden!";
inline constexpr std::string_view soll_ungleich_haben =
    "Soll und Haben muss stets gleich groß sein!";
inline constexpr std::string_view null_euro = "Null Euro werden nicht gebucht!";
inline constexpr std::string_view senkrechter_strich =
    "Achtung: Ein Text enthält das Zeichen |. Diese Sicherung kann nicht wieder geladen werden.";
inline constexpr std::string_view zu_wenig_speicher = "Zu wenig Arbeitsspeicher";
inline constexpr std::string_view laeuft_bereits =
    "Saldino läuft bereits in diesem Verzeichnis. Bitte zuerst das andere Fenster schließen.";

inline constexpr std::string_view nichts_rueckgaengig =
    "Es gibt keine Änderung, die rückgängig gemacht werden kann.";
inline constexpr std::string_view nichts_zu_wiederholen =
    "Es gibt keine rückgängig gemachte Änderung, die wiederholt werden kann.";

inline constexpr std::string_view verlauf_beiseite =
    "Der Verlauf der Änderungen passte nicht mehr zum Journal und wurde beiseitegelegt; "
    "Rückgängig beginnt neu.";
inline constexpr std::string_view plan_beiseite =
    "Eine unterbrochene Änderung konnte nicht abgeschlossen werden und wurde beiseitegelegt; "
    "die Dateien sind wie vor dieser Änderung.";

inline constexpr std::string_view journal_ersetzt =
    "Das Journal wurde inzwischen ersetzt. Die Buchung wird neu angezeigt; ändere sie bitte "
    "noch einmal.";

// Followed by the system's reason.
inline constexpr std::string_view nicht_sperrbar =
    "Das Arbeitsverzeichnis kann nicht gesperrt werden: ";

// "Das Datum „<datum>“ kann nicht gelesen werden. Trotzdem buchen?"
std::string unlesbares_datum(std::string_view datum);

// "Der Betrag „<betrag>“ bei „<konto>“ ist keine gültige Zahl. Bitte ohne
// Tausenderpunkte eingeben, zum Beispiel 80000,00."
std::string unlesbarer_betrag(std::string_view betrag, std::string_view konto);

// "Der Betrag „<betrag>“ in Zeile <zeile> ist keine gültige Zahl."
std::string unlesbarer_betrag_in_zeile(std::string_view betrag, std::size_t zeile);

// "Die Datei <datei> ist ein Verweis auf eine andere Datei und wird nicht beschrieben."
std::string verweis(std::string_view datei);

// "Der Ordner <pfad> ist kein gewöhnlicher Ordner und wird nicht benutzt."
std::string kein_gewoehnlicher_ordner(std::string_view pfad);

// "Die Sicherung wurde geladen, aber nicht sicher auf den Datenträger
// geschrieben: <grund>"
std::string geladen_nicht_sicher(std::string_view grund);

// "Die Änderung wurde ausgeführt, aber nicht sicher auf den Datenträger
// geschrieben: <grund>"
std::string nicht_sicher(std::string_view grund);

// "Die Eröffnungsbilanz ist nicht ausgeglichen (Differenz <differenz>).
// Gewinn und Summen enthalten diese Differenz."
std::string eroeffnung_unausgeglichen(std::string_view differenz);

// "Die Datei <datei> gehört zum Programm und kann nicht überschrieben werden."
std::string gehoert_zum_programm(std::string_view datei);

inline constexpr std::string_view aufgabe_ohne_titel = "Bitte gib der Aufgabe einen Titel.";
inline constexpr std::string_view keine_berechtigung =
    "Sie haben keine Berechtigung für diesen Menüpunkt!";
inline constexpr std::string_view zuerst_aufgabe_waehlen = "Bitte wähle zuerst eine Aufgabe aus!";
inline constexpr std::string_view keine_loesung = "Zu dieser Aufgabe gibt es keine Lösung.";

// "Das Zeichen „<zeichen>“ kann in einer Aufgabe nicht gespeichert werden."
std::string zeichen_nicht_speicherbar(std::string_view zeichen);

// "Die Datei <datei> gibt es schon. Ersetzen?"
std::string datei_ersetzen(std::string_view datei);

// "Die Anleitung <pdf> kann nicht geöffnet werden. Sie liegt im
// Arbeitsverzeichnis." (the window), or with the reason instead of the
// second sentence: "... kann nicht geöffnet werden: <grund>" (saldino --anleitung).
std::string anleitung_nicht_oeffnbar(std::string_view pdf, std::string_view grund = {});

// "Die Datei <datei> ist zu groß."
std::string zu_gross(std::string_view datei);

// "Die Datei <datei> ist keine gültige Saldino-Sicherung (Zeile <zeile>)."
std::string keine_sicherung(std::string_view datei, std::int32_t zeile);

// "Die Eröffnungsbilanz ist nicht ausgeglichen (Aktiva <aktiva>, Passiva
// <passiva>). Trotzdem buchen?"
std::string nicht_ausgeglichen(std::string_view aktiva, std::string_view passiva);

// "Letzte Änderung rückgängig machen: <beschreibung>?"
std::string rueckgaengig_frage(std::string_view beschreibung);

} // namespace saldino::runtime::meldungen
