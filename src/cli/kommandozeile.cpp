#include "cli/kommandozeile.h"

#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "reports/betriebsergebnis.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"
#include "reports/kontenblatt.h"
#include "runtime/fehler.h"
#include "runtime/sperre.h"
#include "runtime/text.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace saldino::cli {

namespace {

constexpr std::string_view hilfe =
    "Aufruf: saldino-cli [--dir VERZEICHNIS] BEFEHL [ARGUMENT]\n"
    "\n"
    "Zeigt die Berichte von Saldino ohne das Fenster. Gelesen werden die Dateien\n"
    "im Arbeitsverzeichnis (Vorgabe: das aktuelle Verzeichnis), die Einstellungen\n"
    "so wie beim Programmstart.\n"
    "\n"
    "Befehle:\n"
    "  bilanz       Bilanz und GuV\n"
    "  betriebsergebnis\n"
    "               Betriebsergebnis und neutrales Ergebnis\n"
    "  journal      das Journal, eine Zeile je Betrag\n"
    "  kontenblatt KONTO\n"
    "               das Kontenblatt eines Kontos des Kontenplans\n"
    "  kontenplan   der gewählte Kontenplan: Bezeichnung, Bilanz, GuV, Seite und\n"
    "               B/N je Zeile, durch Tabulatoren getrennt\n"
    "  sichern DATEI\n"
    "               Firmendaten und Buchungen in die Sicherung DATEI schreiben\n"
    "               (ohne Endung wird \".sdn\" angehängt)\n"
    "  laden DATEI  die Sicherung DATEI ohne Rückfrage laden: sie ersetzt\n"
    "               Firmendaten, Kontenplan und Buchungen\n"
    "  pruefen LOESUNG\n"
    "               die Buchungen mit der Lösung LOESUNG (einer Sicherung der\n"
    "               gelösten Aufgabe) vergleichen; Rückgabewert 0, wenn alles\n"
    "               richtig ist, sonst 1\n"
    "\n"
    "Die Zeilen gehen in UTF-8 auf die Standardausgabe. Rückgabewert: 0 bei Erfolg,\n"
    "1 bei einer Meldung des Programms, 2 bei einem Datei- oder Umwandlungsfehler,\n"
    "64 bei falschem Aufruf.\n"
    "\n"
    "Usage: saldino-cli [--dir DIRECTORY] COMMAND [ARGUMENT]\n"
    "\n"
    "Prints Saldino's reports without the window, from the files of the working\n"
    "directory (default: the current directory), reading the settings as the\n"
    "program does at start-up.\n"
    "\n"
    "Commands:\n"
    "  bilanz       balance sheet and profit-and-loss account\n"
    "  betriebsergebnis\n"
    "               operating result and neutral result\n"
    "  journal      the journal, one line per amount\n"
    "  kontenblatt ACCOUNT\n"
    "               the T-account sheet of one account of the chart\n"
    "  kontenplan   the selected chart: name, balance-sheet mark, P&L mark, side\n"
    "               and operating/neutral mark per line, separated by tabs\n"
    "  sichern FILE write company data and journal to the backup FILE\n"
    "               (\".sdn\" is added to a name without extension)\n"
    "  laden FILE   load the backup FILE without asking: it replaces company\n"
    "               data, chart and journal\n"
    "  pruefen SOLUTION\n"
    "               compare the journal with SOLUTION (a backup of the solved\n"
    "               exercise); exit status 0 when everything matches, else 1\n"
    "\n"
    "Lines go to standard output in UTF-8. Exit status: 0 on success, 1 for a\n"
    "message of the program, 2 for a file or conversion error, 64 for wrong usage.\n"
    "\n"
    "  --help      diese Hilfe / this help\n"
    "  --version   Versionsnummer / version number\n";

void schreibe(std::FILE* ziel, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), ziel);
}

// A line of Windows-1252 text as a line of UTF-8.
void zeile(std::FILE* ziel, std::string_view cp1252) {
    schreibe(ziel, runtime::cp1252_nach_utf8(cp1252));
    std::fputc('\n', ziel);
}

struct Aufruf {
    std::string verzeichnis;
    std::string befehl;
    std::vector<std::string> argumente;
};

std::optional<Aufruf> lies_aufruf(int argc, const char* const argv[]) {
    Aufruf aufruf;
    int i = 1;
    if (i + 1 < argc && std::string_view(argv[i]) == "--dir") {
        aufruf.verzeichnis = argv[i + 1];
        i += 2;
    }
    if (i >= argc) {
        return std::nullopt;
    }
    aufruf.befehl = argv[i++];
    for (; i < argc; ++i) {
        aufruf.argumente.emplace_back(argv[i]);
    }
    return aufruf;
}

// The settings as start-up reads them: a failure is reported, what was read
// before it stays, and the chart is chosen only by a line 17 that could be read.
reports::Berichtsdaten berichtsdaten(std::FILE* fehler, masterdata::Einstellungen& werte) {
    std::int32_t kontenplan_nr = 0;
    try {
        masterdata::lies_einstellungen(werte);
        kontenplan_nr = werte.kontenplan_index + 1;
    } catch (const runtime::Laufzeitfehler& f) {
        schreibe(fehler, "saldino-cli: einstellungen.txt: ");
        zeile(fehler, f.meldung());
    }
    return reports::berichtsdaten(werte, kontenplan_nr);
}

int kontenplan(const reports::Berichtsdaten& daten, std::FILE* aus) {
    const masterdata::Kontenplan plan(daten.kontenplan_nr);
    for (const auto& konto : plan.konten()) {
        std::string z = konto.bezeichnung;
        for (const std::string* feld : {&konto.bilanz, &konto.guv, &konto.seite, &konto.bn}) {
            z += '\t';
            z += *feld;
        }
        zeile(aus, z);
    }
    return erfolg;
}

// The sheet of an account that the page's list offers: a name of the chart.
std::optional<std::string> kontenblatt(const reports::Berichtsdaten& daten,
                                       const std::string& konto, const reports::Zeilenziel& ziel) {
    if (daten.kontenplan_nr == 0) {
        return runtime::utf8_nach_cp1252("Du hast keinen Kontenplan ausgewählt!");
    }
    if (!masterdata::Kontenplan(daten.kontenplan_nr).ist_konto(konto)) {
        return "Konto nicht gefunden!";
    }
    reports::kontenblatt(konto, ziel);
    return std::nullopt;
}

} // namespace

int ausfuehren(int argc, const char* const argv[], std::FILE* aus, std::FILE* fehler) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        schreibe(aus, hilfe);
        return erfolg;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        schreibe(aus, "saldino-cli " SALDINO_VERSION "\n");
        return erfolg;
    }
    const std::optional<Aufruf> aufruf = lies_aufruf(argc, argv);
    const auto falsch = [fehler] {
        schreibe(fehler, hilfe);
        return falscher_aufruf;
    };
    if (!aufruf) {
        return falsch();
    }
    const std::string& befehl = aufruf->befehl;
    const bool ohne_argument = befehl == "bilanz" || befehl == "betriebsergebnis" ||
                               befehl == "journal" || befehl == "kontenplan";
    const bool mit_argument =
        befehl == "kontenblatt" || befehl == "sichern" || befehl == "laden" || befehl == "pruefen";
    if (!(ohne_argument && aufruf->argumente.empty()) &&
        !(mit_argument && aufruf->argumente.size() == 1)) {
        return falsch();
    }
    // A backup file is named relative to where the tool was called.
    std::string datei = aufruf->argumente.empty() ? std::string() : aufruf->argumente[0];
    if (befehl == "sichern" || befehl == "laden" || befehl == "pruefen") {
        std::filesystem::path pfad(datei);
        if (befehl == "sichern" && !pfad.has_extension()) {
            pfad += ".sdn";
        }
        datei = std::filesystem::absolute(pfad).string();
    }
    if (!aufruf->verzeichnis.empty() && ::chdir(aufruf->verzeichnis.c_str()) != 0) {
        schreibe(fehler, "saldino-cli: " + aufruf->verzeichnis + ": ");
        zeile(fehler, runtime::dateifehler_text(errno));
        return laufzeitfehler;
    }

    // Commands that write refuse while the program works in the same directory.
    std::optional<runtime::Sperre> sperre;
    if (befehl == "sichern" || befehl == "laden") {
        sperre = runtime::Sperre::versuche();
        if (!sperre) {
            zeile(fehler, runtime::laeuft_bereits());
            return programmmeldung;
        }
    }
    masterdata::Einstellungen werte;
    const reports::Berichtsdaten daten = berichtsdaten(fehler, werte);
    const reports::Zeilenziel ziel = [aus](std::string_view z) { zeile(aus, z); };
    try {
        std::optional<std::string> meldung;
        if (befehl == "bilanz") {
            meldung = reports::bilanz(daten, ziel);
        } else if (befehl == "betriebsergebnis") {
            meldung = reports::betriebsergebnis(daten, ziel);
        } else if (befehl == "kontenblatt") {
            meldung = kontenblatt(daten, runtime::utf8_nach_cp1252(aufruf->argumente[0]), ziel);
        } else if (befehl == "sichern") {
            if (backup::schreibe_sicherung(datei, werte.firma, daten.kontenplan_nr)) {
                meldung = runtime::utf8_nach_cp1252(
                    "Achtung: Ein Text enthält das Zeichen |. Diese Sicherung "
                    "kann nicht wieder geladen werden.");
            }
        } else if (befehl == "laden") {
            const backup::GeladeneSicherung geladen = backup::lade_sicherung(datei, werte);
            if (geladen.ungueltige_zeile != 0) {
                meldung =
                    runtime::utf8_nach_cp1252("Die Datei " + aufruf->argumente[0] +
                                              " ist keine gültige Saldino-Sicherung (Zeile " +
                                              std::to_string(geladen.ungueltige_zeile) + ").");
            }
        } else if (befehl == "pruefen") {
            const backup::Pruefung pruefung =
                backup::pruefe(datei, daten.kontenplan_nr, werte, ziel);
            if (pruefung.ungueltige_zeile != 0) {
                meldung =
                    runtime::utf8_nach_cp1252("Die Datei " + aufruf->argumente[0] +
                                              " ist keine gültige Saldino-Sicherung (Zeile " +
                                              std::to_string(pruefung.ungueltige_zeile) + ").");
            } else if (!pruefung.alles_richtig) {
                return programmmeldung;
            }
        } else if (befehl == "journal") {
            reports::journalliste(ziel);
        } else {
            return kontenplan(daten, aus);
        }
        if (meldung) {
            zeile(fehler, *meldung);
            return programmmeldung;
        }
    } catch (const runtime::Laufzeitfehler& f) {
        zeile(fehler, f.meldung());
        return laufzeitfehler;
    }
    return erfolg;
}

} // namespace saldino::cli
