#include "runtime/meldungen.h"

#include <initializer_list>

namespace saldino::runtime::meldungen {

namespace {

std::string zusammen(std::initializer_list<std::string_view> teile) {
    std::string text;
    for (const std::string_view teil : teile) {
        text += teil;
    }
    return text;
}

} // namespace

std::string unlesbares_datum(std::string_view datum) {
    return zusammen({"Das Datum „", datum, "“ kann nicht gelesen werden. Trotzdem buchen?"});
}

std::string unlesbarer_betrag(std::string_view betrag, std::string_view konto) {
    return zusammen({"Der Betrag „", betrag, "“ bei „", konto,
                     "“ ist keine gültige Zahl. Bitte ohne Tausenderpunkte eingeben, zum "
                     "Beispiel 80000,00."});
}

std::string verweis(std::string_view datei) {
    return zusammen({"Die Datei ", datei,
                     " ist ein Verweis auf eine andere Datei und wird nicht beschrieben."});
}

std::string kein_gewoehnlicher_ordner(std::string_view pfad) {
    return zusammen({"Der Ordner ", pfad, " ist kein gewöhnlicher Ordner und wird nicht benutzt."});
}

std::string geladen_nicht_sicher(std::string_view grund) {
    return zusammen(
        {"Die Sicherung wurde geladen, aber nicht sicher auf den Datenträger geschrieben: ",
         grund});
}

std::string nicht_sicher(std::string_view grund) {
    return zusammen(
        {"Die Änderung wurde ausgeführt, aber nicht sicher auf den Datenträger geschrieben: ",
         grund});
}

std::string gehoert_zum_programm(std::string_view datei) {
    return zusammen(
        {"Die Datei ", datei, " gehört zum Programm und kann nicht überschrieben werden."});
}

std::string zeichen_nicht_speicherbar(std::string_view zeichen) {
    return zusammen(
        {"Das Zeichen „", zeichen, "“ kann in einer Aufgabe nicht gespeichert werden."});
}

std::string datei_ersetzen(std::string_view datei) {
    return zusammen({"Die Datei ", datei, " gibt es schon. Ersetzen?"});
}

std::string anleitung_nicht_oeffnbar(std::string_view pdf, std::string_view grund) {
    if (grund.empty()) {
        return zusammen({"Die Anleitung ", pdf,
                         " kann nicht geöffnet werden. Sie liegt im Arbeitsverzeichnis."});
    }
    return zusammen({"Die Anleitung ", pdf, " kann nicht geöffnet werden: ", grund});
}

std::string eroeffnung_unausgeglichen(std::string_view differenz) {
    return zusammen({"Die Eröffnungsbilanz ist nicht ausgeglichen (Differenz ", differenz,
                     "). Gewinn und Summen enthalten diese Differenz."});
}

std::string unlesbarer_betrag_in_zeile(std::string_view betrag, std::size_t zeile) {
    const std::string nummer = std::to_string(zeile);
    return zusammen({"Der Betrag „", betrag, "“ in Zeile ", nummer, " ist keine gültige Zahl."});
}

std::string zu_gross(std::string_view datei) {
    return zusammen({"Die Datei ", datei, " ist zu groß."});
}

std::string keine_sicherung(std::string_view datei, std::int32_t zeile) {
    return zusammen({"Die Datei ", datei, " ist keine gültige Saldino-Sicherung (Zeile ",
                     std::to_string(zeile), ")."});
}

std::string nicht_ausgeglichen(std::string_view aktiva, std::string_view passiva) {
    return zusammen({"Die Eröffnungsbilanz ist nicht ausgeglichen (Aktiva ", aktiva, ", Passiva ",
                     passiva, "). Trotzdem buchen?"});
}

std::string rueckgaengig_frage(std::string_view beschreibung) {
    return zusammen({"Letzte Änderung rückgängig machen: ", beschreibung, "?"});
}

} // namespace saldino::runtime::meldungen
