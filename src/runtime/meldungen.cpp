#include "runtime/meldungen.h"

namespace saldino::runtime::meldungen {

std::string unlesbares_datum(std::string_view datum) {
    std::string text = "Das Datum „";
    text += datum;
    text += "“ kann nicht gelesen werden. Trotzdem buchen?";
    return text;
}

std::string unlesbarer_betrag(std::string_view betrag, std::string_view konto) {
    std::string text = "Der Betrag „";
    text += betrag;
    text += "“ bei „";
    text += konto;
    text += "“ ist keine gültige Zahl. Bitte ohne Tausenderpunkte eingeben, zum Beispiel "
            "80000,00.";
    return text;
}

std::string verweis(std::string_view datei) {
    std::string text = "Die Datei ";
    text += datei;
    text += " ist ein Verweis auf eine andere Datei und wird nicht beschrieben.";
    return text;
}

std::string gehoert_zum_programm(std::string_view datei) {
    std::string text = "Die Datei ";
    text += datei;
    text += " gehört zum Programm und kann nicht überschrieben werden.";
    return text;
}

std::string zu_gross(std::string_view datei) {
    std::string text = "Die Datei ";
    text += datei;
    text += " ist zu groß.";
    return text;
}

std::string keine_sicherung(std::string_view datei, std::int32_t zeile) {
    std::string text = "Die Datei ";
    text += datei;
    text += " ist keine gültige Saldino-Sicherung (Zeile ";
    text += std::to_string(zeile);
    text += ").";
    return text;
}

} // namespace saldino::runtime::meldungen
