#include "runtime/fehler.h"

#include "runtime/text.h"

#include <cerrno>
#include <string_view>

namespace saldino::runtime {

namespace {

struct Fehlertext {
    int nummer;
    std::string_view text; // UTF-8
};

// Every failure of the system the program can meet, with its German reason;
// any other is "E/A-Fehler <Nummer>".
constexpr Fehlertext fehlertexte[] = {
    {ENOENT, "Datei nicht gefunden"},
    {EINVAL, "Ungültiger Dateiname"},
    {ENAMETOOLONG, "Ungültiger Dateiname"},
    {EISDIR, "Ungültiger Dateiname"},
    {ENOTDIR, "Ein Teil des Pfades ist kein Ordner"},
    {ELOOP, "Zu viele Verweise im Pfad"},
    {EMFILE, "Zu viele geöffnete Dateien"},
    {ENFILE, "Zu viele geöffnete Dateien"},
    {EACCES, "Dateizugriff verweigert"},
    {EPERM, "Dateizugriff verweigert"},
    {EROFS, "Dateizugriff verweigert"},
    {ETXTBSY, "Dateizugriff verweigert"},
    {ENOSPC, "Zu wenig Speicherplatz"},
    {EDQUOT, "Zu wenig Speicherplatz"},
    {EFBIG, "Zu wenig Speicherplatz"},
    {EIO, "Lese- oder Schreibfehler auf dem Datenträger"},
    {EBUSY, "Datei oder Ordner wird gerade benutzt"},
    {EXDEV, "Verschieben auf einen anderen Datenträger nicht möglich"},
};

} // namespace

std::string dateifehler_text(int fehlernummer) {
    for (const Fehlertext& eintrag : fehlertexte) {
        if (eintrag.nummer == fehlernummer) {
            return utf8_nach_cp1252(eintrag.text);
        }
    }
    return "E/A-Fehler " + std::to_string(fehlernummer);
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
