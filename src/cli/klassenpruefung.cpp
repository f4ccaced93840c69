#include "cli/klassenpruefung.h"

#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "cli/kommandozeile.h"
#include "masterdata/kontenplan.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <filesystem>
#include <optional>

namespace saldino::cli {

namespace {

namespace fs = std::filesystem;

void schreibe_zeile(std::FILE* ziel, std::string_view cp1252) {
    const std::string text = runtime::cp1252_nach_anzeige(cp1252) + '\n';
    std::fwrite(text.data(), 1, text.size(), ziel);
}

// A CSV field: quoted when it holds the separator, a quote or a line end.
std::string feld(std::string text) {
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
    std::string unlesbar; // the message, Windows-1252
};

Ergebnis pruefe_datei(const std::string& loesung, const std::string& pfad,
                      const std::string& name) {
    Ergebnis ergebnis;
    try {
        backup::Sicherungsleser schueler(pfad);
        ergebnis.firma = schueler.firma()[0];
        ergebnis.pruefung = backup::vergleiche_sicherung(loesung, schueler);
    } catch (const backup::UngueltigeSicherung& f) {
        ergebnis.unlesbar =
            runtime::utf8_nach_cp1252(runtime::meldungen::keine_sicherung(name, f.zeile));
    } catch (const runtime::Laufzeitfehler& f) {
        ergebnis.unlesbar = f.meldung();
    }
    return ergebnis;
}

std::string status(const Ergebnis& e) {
    if (!e.pruefung) {
        return runtime::utf8_nach_cp1252("unlesbar: ") + e.unlesbar;
    }
    if (e.pruefung->falscher_kontenplan) {
        return "falscher Kontenplan";
    }
    return e.pruefung->alles_richtig() ? "richtig" : runtime::utf8_nach_cp1252("unvollständig");
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
    return zeile + feld(runtime::cp1252_nach_anzeige(status(e))) + '\n';
}

} // namespace

int klassenpruefung(const std::string& loesung, const std::vector<std::string>& namen,
                    const std::vector<std::string>& pfade, bool csv, std::FILE* aus,
                    std::FILE* fehler) {
    runtime::wechsle_verzeichnis(kontenplanordner(loesung).string());
    try {
        backup::Sicherungsleser probe(loesung);
    } catch (const backup::UngueltigeSicherung& f) {
        schreibe_zeile(fehler, runtime::utf8_nach_cp1252(
                                   runtime::meldungen::keine_sicherung(loesung, f.zeile)));
        return laufzeitfehler;
    }
    if (csv) {
        const std::string kopf = runtime::utf8_nach_cp1252(
            "Datei;Firma;richtig;von;fehlend;überzählig;abweichende Salden;Status\n");
        const std::string utf8 = runtime::cp1252_nach_utf8(kopf);
        std::fwrite(utf8.data(), 1, utf8.size(), aus);
    }
    int ergebnis = erfolg;
    for (std::size_t i = 0; i < pfade.size(); ++i) {
        const Ergebnis e = pruefe_datei(loesung, pfade[i], namen[i]);
        if (!e.pruefung) {
            ergebnis = laufzeitfehler;
        } else if (!e.pruefung->alles_richtig() && ergebnis == erfolg) {
            ergebnis = programmmeldung;
        }
        if (csv) {
            const std::string zeile = csv_zeile(namen[i], e);
            std::fwrite(zeile.data(), 1, zeile.size(), aus);
            continue;
        }
        if (i > 0) {
            schreibe_zeile(aus, "");
        }
        schreibe_zeile(aus, runtime::utf8_nach_cp1252(namen[i] + " – ") +
                                (e.firma.empty() ? std::string("(ohne Firma)") : e.firma));
        if (!e.pruefung) {
            schreibe_zeile(aus, status(e));
            continue;
        }
        backup::pruefergebnis_ausgeben(*e.pruefung, {},
                                       [aus](std::string_view z) { schreibe_zeile(aus, z); });
    }
    return ergebnis;
}

} // namespace saldino::cli
