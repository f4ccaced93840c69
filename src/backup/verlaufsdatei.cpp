#include "backup/verlaufsdatei.h"

#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/ersetzung.h"
#include "runtime/fehler.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace saldino::backup::verlaufsdatei {

namespace {

namespace fs = std::filesystem;

const std::string schrittdatei = std::string(verlaufsordner) + "/schritte";

const char* art_text(Schrittart art) {
    switch (art) {
    case Schrittart::angehaengt:
        return "angehaengt";
    case Schrittart::geaendert:
        return "geaendert";
    case Schrittart::ersetzt:
        break;
    }
    return "ersetzt";
}

std::string stand_text(const Dateistand& stand) {
    if (!stand.vorhanden) {
        return "-";
    }
    return std::to_string(stand.groesse) + ':' + std::to_string(stand.zeit) + ':' +
           std::to_string(stand.inode);
}

template <typename Zahl> bool zahl(std::string_view text, Zahl& wert) {
    const auto ergebnis = std::from_chars(text.data(), text.data() + text.size(), wert);
    return ergebnis.ec == std::errc() && ergebnis.ptr == text.data() + text.size();
}

bool stand_lesen(std::string_view text, Dateistand& stand) {
    stand = {};
    if (text == "-") {
        return true;
    }
    const std::size_t a = text.find(':');
    const std::size_t b = text.find(':', a + 1);
    stand.vorhanden = true;
    return a != std::string_view::npos && b != std::string_view::npos &&
           zahl(text.substr(0, a), stand.groesse) &&
           zahl(text.substr(a + 1, b - a - 1), stand.zeit) && zahl(text.substr(b + 1), stand.inode);
}

std::vector<std::string_view> felder(std::string_view zeile) {
    std::vector<std::string_view> ergebnis;
    for (std::size_t anfang = 0;;) {
        const std::size_t tab = zeile.find('\t', anfang);
        ergebnis.push_back(zeile.substr(anfang, tab - anfang));
        if (tab == std::string_view::npos) {
            return ergebnis;
        }
        anfang = tab + 1;
    }
}

bool schritt_lesen(std::string_view zeile, Schritt& schritt) {
    const auto f = felder(zeile);
    if (f.size() != 12) {
        return false;
    }
    if (f[1] == "angehaengt") {
        schritt.art = Schrittart::angehaengt;
    } else if (f[1] == "geaendert") {
        schritt.art = Schrittart::geaendert;
    } else if (f[1] != "ersetzt") {
        return false;
    }
    schritt.journal = f[2] == "1";
    schritt.einstellungen = f[3] == "1";
    schritt.offen = f[4] == "1";
    schritt.beschreibung = std::string(f[11]);
    return zahl(f[0], schritt.nummer) && schritt.nummer > 0 && zahl(f[5], schritt.laenge) &&
           zahl(f[6], schritt.satz) && stand_lesen(f[7], schritt.nach_journal) &&
           stand_lesen(f[8], schritt.nach_einstellungen) &&
           stand_lesen(f[9], schritt.vor_journal) && stand_lesen(f[10], schritt.vor_einstellungen);
}

} // namespace

Dateistand stand_von(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) {
        return {};
    }
    return {true, static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            static_cast<std::uint64_t>(info.st_ino)};
}

Verlaufsdaten lies() {
    Verlaufsdaten daten;
    std::vector<std::string> zeilen;
    try {
        zeilen = runtime::teile_zeilen(runtime::lies_ganz(schrittdatei));
    } catch (const runtime::Laufzeitfehler&) {
        return daten;
    }
    if (zeilen.size() < 2) {
        return daten;
    }
    const auto laufend = felder(zeilen[0]);
    const auto zeiger = felder(zeilen[1]);
    if (laufend.size() != 3 || laufend[0] != "laufend" || zeiger.size() != 2 ||
        zeiger[0] != "zeiger" || !zahl(laufend[2], daten.laufend_nummer) ||
        !zahl(zeiger[1], daten.zeiger)) {
        return {};
    }
    if (laufend[1] == "rueckgaengig" || laufend[1] == "wiederholen") {
        daten.laufend = std::string(laufend[1]);
    } else if (laufend[1] != "-") {
        return {};
    }
    for (std::size_t i = 2; i < zeilen.size(); ++i) {
        Schritt schritt;
        if (!schritt_lesen(zeilen[i], schritt)) {
            return {};
        }
        daten.schritte.push_back(std::move(schritt));
    }
    if (daten.zeiger > daten.schritte.size()) {
        return {};
    }
    return daten;
}

void schreibe(const Verlaufsdaten& daten) {
    for (const char* name : {runtime::programmordner, verlaufsordner}) {
        if (::mkdir(name, 0777) != 0 && errno != EEXIST) {
            runtime::wirf_dateifehler(errno);
        }
    }
    std::string text = "laufend\t" + (daten.laufend.empty() ? "-" : daten.laufend) + '\t' +
                       std::to_string(daten.laufend_nummer) + "\nzeiger\t" +
                       std::to_string(daten.zeiger) + '\n';
    for (const Schritt& s : daten.schritte) {
        text += std::to_string(s.nummer) + '\t' + art_text(s.art) + '\t' + (s.journal ? "1" : "0") +
                '\t' + (s.einstellungen ? "1" : "0") + '\t' + (s.offen ? "1" : "0") + '\t' +
                std::to_string(s.laenge) + '\t' + std::to_string(s.satz) + '\t' +
                stand_text(s.nach_journal) + '\t' + stand_text(s.nach_einstellungen) + '\t' +
                stand_text(s.vor_journal) + '\t' + stand_text(s.vor_einstellungen) + '\t' +
                s.beschreibung + '\n';
    }
    runtime::ersetze_datei(schrittdatei, text);
}

std::string ordner(std::int64_t nummer) {
    return std::string(verlaufsordner) + '/' + std::to_string(nummer);
}

std::vector<std::string> dateien(const Schritt& schritt) {
    std::vector<std::string> namen;
    if (schritt.journal) {
        namen.emplace_back(journal::journaldatei);
    }
    if (schritt.einstellungen) {
        namen.emplace_back(masterdata::einstellungsdatei);
    }
    return namen;
}

void stand_nach(Schritt& schritt) {
    schritt.nach_journal = stand_von(journal::journaldatei);
    schritt.nach_einstellungen = stand_von(masterdata::einstellungsdatei);
}

void stand_vor(Schritt& schritt) {
    schritt.vor_journal = stand_von(journal::journaldatei);
    schritt.vor_einstellungen = stand_von(masterdata::einstellungsdatei);
}

bool ist_wie_nach(const Schritt& schritt) {
    return stand_von(journal::journaldatei) == schritt.nach_journal &&
           stand_von(masterdata::einstellungsdatei) == schritt.nach_einstellungen;
}

bool ist_wie_vor(const Schritt& schritt) {
    return stand_von(journal::journaldatei) == schritt.vor_journal &&
           stand_von(masterdata::einstellungsdatei) == schritt.vor_einstellungen;
}

std::int64_t belegt(const Verlaufsdaten& daten) {
    std::int64_t summe = 0;
    for (const Schritt& schritt : daten.schritte) {
        std::error_code fehler;
        for (fs::directory_iterator eintrag(ordner(schritt.nummer), fehler), ende;
             !fehler && eintrag != ende; eintrag.increment(fehler)) {
            summe += static_cast<std::int64_t>(eintrag->file_size(fehler));
        }
    }
    return summe;
}

void entferne_ordner(std::int64_t nummer) {
    std::error_code fehler;
    fs::remove_all(ordner(nummer), fehler);
}

void verknuepfe(const std::string& quelle, const std::string& ziel) {
    ::unlink(ziel.c_str());
    if (::link(quelle.c_str(), ziel.c_str()) != 0) {
        runtime::kopiere_datei(quelle, ziel);
    }
}

} // namespace saldino::backup::verlaufsdatei
