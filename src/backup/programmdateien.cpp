#include "backup/programmdateien.h"

#include "backup/aufgaben.h"
#include "backup/pruefung.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/text.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>

namespace saldino::backup {

namespace {

namespace fs = std::filesystem;

const std::set<std::string>& programmdateien() {
    static const std::set<std::string> namen = [] {
        std::set<std::string> liste = {masterdata::einstellungsdatei,
                                       journal::journaldatei,
                                       "temp.dat",
                                       hinweisdatei,
                                       "titelbild.bmp",
                                       "Anleitung.pdf",
                                       aufgabenordnerdatei,
                                       programmordner};
        for (int n = 1; n <= 4; ++n) {
            liste.insert(masterdata::kontenplandatei(n));
        }
        for (int n = 1; n <= hoechste_aufgabe; ++n) {
            liste.insert(titeldatei(n));
            liste.insert(listendatei(n));
        }
        return liste;
    }();
    return namen;
}

fs::path echter_pfad(const fs::path& pfad) {
    std::error_code fehler;
    const fs::path echt = fs::weakly_canonical(fs::absolute(pfad), fehler);
    return fehler ? fs::absolute(pfad).lexically_normal() : echt;
}

} // namespace

bool ist_programmdatei(const std::string& ziel, const std::string& arbeitsverzeichnis) {
    const fs::path datei = echter_pfad(ziel);
    const fs::path ordner = echter_pfad(arbeitsverzeichnis);
    if (datei.parent_path() == ordner) {
        return programmdateien().count(datei.filename().string()) > 0;
    }
    // Anything below the hidden folder.
    const fs::path versteckt = ordner / programmordner;
    const auto [ende, _] =
        std::mismatch(versteckt.begin(), versteckt.end(), datei.begin(), datei.end());
    return ende == versteckt.end();
}

bool darf_sicherung_schreiben(const std::string& ziel, const std::string& arbeitsverzeichnis) {
    if (ist_programmdatei(ziel, arbeitsverzeichnis)) {
        return false;
    }
    std::error_code fehler;
    if (!fs::exists(fs::symlink_status(ziel, fehler))) {
        return true;
    }
    // A backup by its shape, not by its content: a company line of at least
    // nine fields and a second line that starts with "|". A backup that holds
    // "|" in a text cannot be loaded, but may be replaced by a good one.
    try {
        runtime::Zeilenleser leser(ziel, 1 << 20);
        std::string_view zeile;
        if (!leser.naechste(zeile) || std::count(zeile.begin(), zeile.end(), '|') < 8) {
            return false;
        }
        return leser.naechste(zeile) && zeile.starts_with('|');
    } catch (const runtime::Zeilenleser::ZeileZuLang&) {
        return false;
    }
}

void arbeitsverzeichnis_vorbereiten(const std::filesystem::path& verzeichnis,
                                    const std::filesystem::path& vorrat,
                                    const std::vector<std::filesystem::path>& weitere) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    const int fehlernummer = runtime::lege_ordnerpfad_an(verzeichnis.string());
    if (fehlernummer != 0) {
        throw runtime::Laufzeitfehler(runtime::utf8_nach_cp1252("Das Arbeitsverzeichnis " +
                                                                verzeichnis.string() +
                                                                " kann nicht angelegt werden: ") +
                                      runtime::dateifehler_text(fehlernummer));
    }
    std::vector<fs::path> dateien = weitere;
    for (fs::directory_iterator eintrag(vorrat, fehler), ende; !fehler && eintrag != ende;
         eintrag.increment(fehler)) {
        if (eintrag->is_regular_file()) {
            dateien.push_back(eintrag->path());
        }
    }
    for (const fs::path& datei : dateien) {
        const fs::path ziel = verzeichnis / datei.filename();
        if (fs::exists(fs::symlink_status(ziel)) || !fs::is_regular_file(datei)) {
            continue;
        }
        try {
            runtime::kopiere_datei(datei.string(), ziel.string());
        } catch (const runtime::Laufzeitfehler& f) {
            runtime::entferne_still(ziel.string());
            throw runtime::Laufzeitfehler(
                runtime::utf8_nach_cp1252("Die Datei " + ziel.string() +
                                          " kann nicht angelegt werden: ") +
                f.meldung());
        }
    }
}

} // namespace saldino::backup
