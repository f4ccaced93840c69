#include "backup/verlaufsdatei.h"

#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/ersetzung.h"
#include "runtime/fehler.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace saldino::backup::verlaufsdatei {

namespace {

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
           std::to_string(stand.pruefwert);
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
           zahl(text.substr(a + 1, b - a - 1), stand.zeit) &&
           zahl(text.substr(b + 1), stand.pruefwert);
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

// A description holds any byte; the file's tabs and line ends are escaped.
std::string maskiert(std::string_view text) {
    std::string ergebnis;
    for (const char zeichen : text) {
        switch (zeichen) {
        case '\\':
            ergebnis += "\\\\";
            break;
        case '\t':
            ergebnis += "\\t";
            break;
        case '\n':
            ergebnis += "\\n";
            break;
        case '\r':
            ergebnis += "\\r";
            break;
        default:
            ergebnis += zeichen;
        }
    }
    return ergebnis;
}

std::string demaskiert(std::string_view text) {
    std::string ergebnis;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char folgt = text[i + 1];
            const char zeichen = folgt == 't'    ? '\t'
                                 : folgt == 'n'  ? '\n'
                                 : folgt == 'r'  ? '\r'
                                 : folgt == '\\' ? '\\'
                                                 : '\0';
            if (zeichen != '\0') {
                ergebnis += zeichen;
                ++i;
                continue;
            }
        }
        ergebnis += text[i];
    }
    return ergebnis;
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
    schritt.beschreibung = demaskiert(f[11]);
    return zahl(f[0], schritt.nummer) && schritt.nummer > 0 && schritt.nummer <= hoechste_nummer &&
           zahl(f[5], schritt.laenge) && schritt.laenge >= 0 && zahl(f[6], schritt.satz) &&
           stand_lesen(f[7], schritt.nach_journal) &&
           stand_lesen(f[8], schritt.nach_einstellungen) &&
           stand_lesen(f[9], schritt.vor_journal) && stand_lesen(f[10], schritt.vor_einstellungen);
}

std::string schritt_text(const Schritt& s) {
    return std::to_string(s.nummer) + '\t' + art_text(s.art) + '\t' + (s.journal ? "1" : "0") +
           '\t' + (s.einstellungen ? "1" : "0") + '\t' + (s.offen ? "1" : "0") + '\t' +
           std::to_string(s.laenge) + '\t' + std::to_string(s.satz) + '\t' +
           stand_text(s.nach_journal) + '\t' + stand_text(s.nach_einstellungen) + '\t' +
           stand_text(s.vor_journal) + '\t' + stand_text(s.vor_einstellungen) + '\t' +
           maskiert(s.beschreibung) + '\n';
}

bool laufend_lesen(std::string_view zeile, Verlaufsdaten& daten) {
    const auto laufend = felder(zeile);
    if (laufend.size() != 3 || laufend[0] != "laufend" || !zahl(laufend[2], daten.laufend_nummer)) {
        return false;
    }
    for (const char* art : {"rueckgaengig", "wiederholen", "aendern", "anschluss"}) {
        if (laufend[1] == art) {
            daten.laufend = art;
        }
    }
    return !daten.laufend.empty() || laufend[1] == "-";
}

// The FNV-1a hash of a stretch of a file.
void pruefe_stueck(const runtime::Datei& datei, std::int64_t position, std::uint64_t& wert) {
    std::string puffer(64 * 1024, '\0');
    const std::size_t n = datei.lies(position, puffer.data(), puffer.size());
    for (std::size_t i = 0; i < n; ++i) {
        wert = (wert ^ static_cast<unsigned char>(puffer[i])) * 1099511628211ULL;
    }
}

// The hidden folder and the history's folder, each a plain folder of the user's.
void verlaufsordner_anlegen() {
    runtime::lege_ordner_an(runtime::programmordner);
    runtime::lege_ordner_an(verlaufsordner);
}

} // namespace

Dateistand stand_von(const std::string& name) {
    const runtime::Dateistand stand = runtime::stand_von(name);
    if (!stand.vorhanden) {
        return {};
    }
    Dateistand ergebnis{true, stand.groesse, stand.zeit, 14695981039346656037ULL};
    try {
        const runtime::Datei datei(name, runtime::Datei::Zugriff::lesen);
        pruefe_stueck(datei, 0, ergebnis.pruefwert);
        if (stand.groesse > 64 * 1024) {
            pruefe_stueck(datei, std::max<std::int64_t>(64 * 1024, stand.groesse - 64 * 1024),
                          ergebnis.pruefwert);
        }
    } catch (const runtime::Laufzeitfehler&) {
        ergebnis.pruefwert = 0;
    }
    return ergebnis;
}

Verlaufsdaten lies() {
    Verlaufsdaten daten;
    std::vector<std::string> zeilen;
    try {
        zeilen = runtime::teile_zeilen(runtime::lies_ganz(schrittdatei));
    } catch (const runtime::Laufzeitfehler&) {
        return daten;
    }
    if (zeilen.size() < 2 || !laufend_lesen(zeilen[0], daten)) {
        return {};
    }
    const auto zeiger = felder(zeilen[1]);
    if (zeiger.size() != 2 || zeiger[0] != "zeiger" || !zahl(zeiger[1], daten.zeiger)) {
        return {};
    }
    std::set<std::int64_t> nummern;
    for (std::size_t i = 2; i < zeilen.size(); ++i) {
        Schritt schritt;
        if (!schritt_lesen(zeilen[i], schritt) || !nummern.insert(schritt.nummer).second) {
            break; // the steps above stay
        }
        daten.schritte.push_back(std::move(schritt));
    }
    // A change being made has its step last.
    if (daten.laufend == "aendern") {
        if (!daten.schritte.empty() && daten.schritte.back().nummer == daten.laufend_nummer) {
            daten.anstehend = std::move(daten.schritte.back());
            daten.schritte.pop_back();
        } else {
            daten.laufend.clear();
        }
    }
    daten.zeiger = std::min(daten.zeiger, daten.schritte.size());
    return daten;
}

void schreibe(const Verlaufsdaten& daten) {
    verlaufsordner_anlegen();
    std::string text = "laufend\t" + (daten.laufend.empty() ? "-" : daten.laufend) + '\t' +
                       std::to_string(daten.laufend_nummer) + "\nzeiger\t" +
                       std::to_string(daten.zeiger) + '\n';
    for (const Schritt& s : daten.schritte) {
        text += schritt_text(s);
    }
    if (daten.anstehend) {
        text += schritt_text(*daten.anstehend);
    }
    runtime::ersetze_datei(schrittdatei, text);
}

std::int64_t naechste_nummer(const Verlaufsdaten& daten) {
    std::set<std::int64_t> belegt;
    for (const Schritt& schritt : daten.schritte) {
        belegt.insert(schritt.nummer);
    }
    if (daten.anstehend) {
        belegt.insert(daten.anstehend->nummer);
    }
    const std::int64_t hoechste = belegt.empty() ? 0 : *belegt.rbegin();
    if (hoechste < hoechste_nummer) {
        return hoechste + 1;
    }
    std::int64_t nummer = 1;
    while (belegt.count(nummer) != 0) {
        ++nummer;
    }
    return nummer;
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
        for (const std::string& name : runtime::eintraege(ordner(schritt.nummer))) {
            summe += runtime::stand_von(ordner(schritt.nummer) + '/' + name).groesse;
        }
    }
    return summe;
}

void lege_ordner_an(std::int64_t nummer) {
    verlaufsordner_anlegen();
    entferne_ordner(nummer);
    runtime::lege_ordner_an(ordner(nummer));
}

void entferne_ordner(std::int64_t nummer) {
    const std::string pfad = ordner(nummer);
    if (!runtime::stand_von(pfad).ordner) {
        return;
    }
    for (const std::string wann : {"vor.", "nach."}) {
        for (const char* datei : {journal::journaldatei, masterdata::einstellungsdatei}) {
            runtime::entferne(pfad + '/' + wann + datei);
        }
    }
    for (const char* satz : {"/satz.neu", "/satz.alt"}) {
        runtime::entferne_reste_von(pfad + satz);
        runtime::entferne(pfad + satz);
    }
    runtime::entferne_leeren_ordner(pfad);
}

} // namespace saldino::backup::verlaufsdatei
