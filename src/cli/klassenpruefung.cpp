#include "cli/klassenpruefung.h"

#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "cli/kommandozeile.h"
#include "masterdata/kontenplan.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

namespace saldino::cli {

namespace {

namespace fs = std::filesystem;

// A CSV field: a text a spreadsheet would take for a formula ("=", "+",
// "-", "@", a tab or CR first) behind an apostrophe; quoted when it holds the
// separator, a quote or a line end.
std::string feld(std::string text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos) {
        text.insert(0, 1, '\'');
    }
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string zitiert = "\"";
    for (const char zeichen : text) {
        zitiert += zeichen == '"' ? std::string("\"\"") : std::string(1, zeichen);
    }
    return zitiert + '"';
}

// Where the charts are: beside the solution, above it, or here.
fs::path kontenplanordner(const std::string& loesung) {
    const fs::path ordner = fs::path(loesung).parent_path();
    for (const fs::path& kandidat : {ordner, ordner.parent_path(), fs::current_path()}) {
        if (fs::exists(kandidat / masterdata::kontenplandatei(1))) {
            return kandidat;
        }
    }
    return fs::current_path();
}

struct Ergebnis {
    std::optional<backup::Pruefergebnis> pruefung;
    std::string firma;
    std::string unlesbar;       // the message, Windows-1252
    bool loesungsdatei = false; // the company data are the solution's own
};

Ergebnis pruefe_datei(const std::string& loesung, const backup::Firma& loesungsfirma,
                      const std::string& pfad, const std::string& name) {
    Ergebnis ergebnis;
    try {
        backup::Sicherungsleser schueler(pfad);
        ergebnis.firma = schueler.firma()[0];
        // The solution's company alone does not tell: exercise 1 has every
        // pupil type it. A loaded solution saved again is the solution byte for byte.
        ergebnis.loesungsdatei =
            schueler.firma() == loesungsfirma && runtime::gleicher_inhalt(pfad, loesung);
        ergebnis.pruefung = backup::vergleiche_sicherung(loesung, schueler);
    } catch (const backup::UngueltigeSicherung& f) {
        ergebnis.unlesbar =
            runtime::utf8_nach_cp1252(runtime::meldungen::keine_sicherung(name, f.zeile));
    } catch (const runtime::Laufzeitfehler& f) {
        ergebnis.unlesbar = f.meldung();
    }
    return ergebnis;
}

// The statuses in the order the summary counts them; "unlesbar" comes with its reason.
constexpr std::array<std::string_view, 6> statusarten = {
    "richtig",
    "überzählige Buchungen",
    "unvollständig",
    "falscher Kontenplan",
    "Lösungsdatei abgegeben?",
    "unlesbar",
};

// Which of the statuses a file has (an index into statusarten).
std::size_t statusart(const Ergebnis& e) {
    if (!e.pruefung) {
        return 5;
    }
    if (e.pruefung->falscher_kontenplan) {
        return 3;
    }
    if (e.loesungsdatei) {
        return 4;
    }
    if (e.pruefung->alles_richtig()) {
        return 0;
    }
    // Every booking of the solution right, only more besides.
    const backup::Pruefergebnis& p = *e.pruefung;
    return p.richtig == p.loesungsbuchungen && !p.ueberzaehlig.empty() ? 1 : 2;
}

bool in_ordnung(const Ergebnis& e) {
    return statusart(e) == 0;
}

std::string status(const Ergebnis& e) {
    const std::size_t art = statusart(e);
    std::string text = runtime::utf8_nach_cp1252(statusarten[art]);
    return art == 5 ? text + ": " + e.unlesbar : text;
}

std::string csv_zeile(const std::string& name, const Ergebnis& e) {
    std::string zeile = feld(runtime::name_nach_anzeige(name)) + ';' +
                        feld(runtime::cp1252_nach_anzeige(e.firma)) + ';';
    if (e.pruefung && !e.pruefung->falscher_kontenplan) {
        const backup::Pruefergebnis& p = *e.pruefung;
        for (const std::int32_t zahl :
             {p.richtig, p.loesungsbuchungen, p.loesungsbuchungen - p.richtig,
              p.buchungen - p.richtig, static_cast<std::int32_t>(p.abweichende_salden.size())}) {
            zeile += std::to_string(zahl) + ';';
        }
    } else {
        zeile += ";;;;;";
    }
    return zeile + feld(runtime::cp1252_nach_anzeige(status(e))) + "\r\n";
}

} // namespace

int klassenpruefung(const std::string& loesung, const std::vector<std::string>& namen,
                    const std::vector<std::string>& pfade, bool csv, std::FILE* aus,
                    std::FILE* fehler) {
    runtime::wechsle_verzeichnis(kontenplanordner(loesung).string());
    backup::Firma loesungsfirma;
    try {
        backup::Sicherungsleser probe(loesung);
        loesungsfirma = probe.firma();
    } catch (const backup::UngueltigeSicherung& f) {
        zeile(fehler,
              runtime::utf8_nach_cp1252(runtime::meldungen::keine_sicherung(loesung, f.zeile)));
        return laufzeitfehler;
    }
    if (csv) {
        // UTF-8 with its byte-order mark and CR LF, as a spreadsheet on Windows reads it.
        schreibe(aus, "\xEF\xBB\xBF"
                      "Datei;Firma;richtig;von;fehlend;\xC3\xBC"
                      "berz\xC3\xA4hlig;abweichende Salden;Status\r\n");
    }
    int ergebnis = erfolg;
    std::array<int, statusarten.size()> anzahl{};
    for (std::size_t i = 0; i < pfade.size(); ++i) {
        const Ergebnis e = pruefe_datei(loesung, loesungsfirma, pfade[i], namen[i]);
        ++anzahl[statusart(e)];
        if (!e.pruefung) {
            ergebnis = laufzeitfehler;
        } else if (!in_ordnung(e) && ergebnis == erfolg) {
            ergebnis = programmmeldung;
        }
        if (csv) {
            schreibe(aus, csv_zeile(namen[i], e));
            continue;
        }
        if (i > 0) {
            zeile(aus, "");
        }
        zeile(aus, runtime::utf8_nach_cp1252(namen[i] + " – ") +
                       (e.firma.empty() ? std::string("(ohne Firma)") : e.firma));
        if (!e.pruefung) {
            zeile(aus, status(e));
            continue;
        }
        if (e.loesungsdatei) {
            zeile(aus, status(e));
        }
        backup::pruefergebnis_ausgeben(*e.pruefung, {},
                                       [aus](std::string_view z) { zeile(aus, z); });
    }
    if (!csv) {
        // One line per status that occurred, with its count.
        zeile(aus, "");
        for (std::size_t art = 0; art < statusarten.size(); ++art) {
            if (anzahl[art] > 0) {
                zeile(aus, runtime::utf8_nach_cp1252(std::string(statusarten[art]) + ": " +
                                                     std::to_string(anzahl[art])));
            }
        }
    }
    return ergebnis;
}

int klasse_pruefen(const Aufruf& aufruf, std::FILE* aus, std::FILE* fehler) {
    std::vector<std::string> pfade;
    for (const std::string& name : aufruf.argumente) {
        pfade.push_back(fs::absolute(name).string());
    }
    const std::string loesung = fs::absolute(aufruf.loesung).string();
    try {
        return klassenpruefung(loesung, aufruf.argumente, pfade, aufruf.csv, aus, fehler);
    } catch (const runtime::Laufzeitfehler& f) {
        zeile(fehler, f.meldung());
        schreibe(fehler, "saldino-cli: " + runtime::name_nach_anzeige(loesung) + "\n");
        return laufzeitfehler;
    }
}

} // namespace saldino::cli
