#include "runtime/fehler.h"

#include "runtime/text.h"

#include <cerrno>

namespace saldino::runtime {

std::string dateifehler_text(int fehlernummer) {
    switch (fehlernummer) {
    case ENOENT:
        return "Datei nicht gefunden";
    case EINVAL:
    case ENAMETOOLONG:
    case EISDIR:
        return utf8_nach_cp1252("Ungültiger Dateiname");
    case EMFILE:
    case ENFILE:
        return utf8_nach_cp1252("Zu viele geöffnete Dateien");
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return "Dateizugriff verweigert";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Zu wenig Speicherplatz";
    default:
        return "E/A-Fehler " + std::to_string(fehlernummer);
    }
}

void wirf_dateifehler(int fehlernummer) {
    throw Laufzeitfehler(dateifehler_text(fehlernummer));
}

void wirf_dateiende() {
    throw Laufzeitfehler("Versuch hinter dem Dateiende zu lesen");
}

void wirf_kein_integer(std::string_view text) {
    static const std::string rest = utf8_nach_cp1252("' ist kein gültiger Integerwert");
    throw Laufzeitfehler("'" + std::string(text) + rest);
}

void wirf_kein_gleitkomma(std::string_view text) {
    static const std::string rest = utf8_nach_cp1252("' ist kein gültiger Gleitkommawert");
    throw Laufzeitfehler("'" + std::string(text) + rest);
}

void wirf_nicht_oeffnbar(std::string_view pfad, std::string_view grund) {
    static const std::string mitte = utf8_nach_cp1252(" kann nicht geöffnet werden. ");
    throw Laufzeitfehler("Datei " + std::string(pfad) + mitte + std::string(grund));
}

} // namespace saldino::runtime
