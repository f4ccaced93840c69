#include "cli/kommandozeile.h"

#include "backup/programmdateien.h"
#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "backup/verlauf.h"
#include "cli/aufgabenpruefung.h"
#include "cli/aufruf.h"
#include "cli/hilfe.h"
#include "cli/klassenpruefung.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "reports/abschluss.h"
#include "reports/betriebsergebnis.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"
#include "reports/kontenblatt.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/sperre.h"
#include "runtime/text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace saldino::cli {

void schreibe(std::FILE* ziel, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), ziel);
}

void zeile(std::FILE* ziel, std::string_view cp1252) {
    schreibe(ziel, runtime::cp1252_nach_anzeige(cp1252));
    std::fputc('\n', ziel);
}

namespace {

// The settings as start-up reads them: a failure is reported, what was read
// before it stays, and the chart is chosen only by a line 17 that could be read.
reports::Berichtsdaten berichtsdaten(std::FILE* fehler, masterdata::Einstellungen& werte,
                                     bool& gelesen) {
    std::int32_t kontenplan_nr = 0;
    gelesen = false;
    try {
        masterdata::lies_einstellungen(werte);
        kontenplan_nr = werte.kontenplan_index + 1;
        gelesen = true;
    } catch (const runtime::Laufzeitfehler& f) {
        schreibe(fehler, "saldino-cli: einstellungen.txt: ");
        zeile(fehler, f.meldung());
    }
    return reports::berichtsdaten(werte, kontenplan_nr);
}

// What a command works with: the settings as start-up reads them, its
// argument as given and, for a backup file, as an absolute path, and where
// its lines go.
struct Kontext {
    masterdata::Einstellungen& werte;
    const reports::Berichtsdaten& daten;
    const std::string& argument;
    const std::string& datei;
    const reports::Zeilenziel& ziel;
    std::FILE* aus;
    bool einstellungen_gelesen;
};

// A command's outcome: a program message (Windows-1252) for standard error, or an exit status.
struct Ausgang {
    std::optional<std::string> meldung;
    int status = erfolg;
};

Ausgang bericht(std::optional<std::string> meldung) {
    return {std::move(meldung), erfolg};
}

// A report that may carry a notice above it (an opening that did not
// balance): the notice goes to standard error, the status is 1, the report
// stays as it is.
Ausgang bericht_mit_hinweis(std::optional<std::string> meldung, const std::string& hinweis) {
    if (meldung || hinweis.empty()) {
        return bericht(std::move(meldung));
    }
    return {runtime::utf8_nach_cp1252(hinweis), programmmeldung};
}

Ausgang kontenplan(const Kontext& k) {
    const masterdata::Kontenplan plan(k.daten.kontenplan_nr);
    // Each field on its own, so that a tab in a name cannot add a column.
    for (const auto& konto : plan.konten()) {
        std::string z = runtime::cp1252_nach_anzeige(konto.bezeichnung);
        for (const std::string* feld : {&konto.bilanz, &konto.guv, &konto.seite, &konto.bn}) {
            z += '\t';
            z += runtime::cp1252_nach_anzeige(*feld);
        }
        z += '\n';
        schreibe(k.aus, z);
    }
    return {};
}

// The sheet of an account that the page's list offers: a name of the chart.
Ausgang kontenblatt(const Kontext& k) {
    const std::string konto = runtime::utf8_nach_cp1252(k.argument);
    if (k.daten.kontenplan_nr == 0) {
        return bericht(runtime::utf8_nach_cp1252(runtime::meldungen::kein_kontenplan));
    }
    if (!masterdata::Kontenplan(k.daten.kontenplan_nr).ist_konto(konto)) {
        return bericht(runtime::utf8_nach_cp1252(runtime::meldungen::konto_nicht_gefunden));
    }
    reports::kontenblatt(konto, k.ziel, masterdata::buchungsjahr(k.werte.jahr));
    return {};
}

Ausgang sichern(const Kontext& k) {
    if (!backup::darf_sicherung_schreiben(k.datei, ".")) {
        return bericht(
            runtime::utf8_nach_cp1252(runtime::meldungen::gehoert_zum_programm(k.argument)));
    }
    if (backup::schreibe_sicherung(k.datei, k.werte.firma, k.daten.kontenplan_nr)) {
        return bericht(runtime::utf8_nach_cp1252(runtime::meldungen::senkrechter_strich));
    }
    return {};
}

// A backup that cannot be read, named as it was given on the command line.
std::string keine_sicherung(const std::string& name, std::int32_t zeile) {
    return runtime::utf8_nach_cp1252(runtime::meldungen::keine_sicherung(name, zeile));
}

Ausgang laden(const Kontext& k) {
    // Lines the backup does not hold would be written empty: nothing changes.
    if (!k.einstellungen_gelesen) {
        return {std::nullopt, laufzeitfehler};
    }
    auto aenderung =
        backup::Aenderung::ersetzen(true, true,
                                    runtime::utf8_nach_cp1252("Sicherung „") +
                                        std::filesystem::path(k.datei).filename().string() +
                                        runtime::utf8_nach_cp1252("“ geladen"));
    const backup::GeladeneSicherung geladen = backup::lade_sicherung(k.datei, k.werte);
    if (geladen.ungueltige_zeile != 0) {
        return bericht(keine_sicherung(k.argument, geladen.ungueltige_zeile));
    }
    aenderung.festhalten();
    if (!geladen.nicht_sicher.empty()) {
        return bericht(geladen.nicht_sicher);
    }
    return {};
}

// "rueckgaengig" and "wiederholen": what was done, or that there was nothing to do.
Ausgang verlaufsschritt(const Kontext& k, bool zurueck) {
    const auto schritt = zurueck ? backup::rueckgaengig() : backup::wiederholen();
    if (!schritt) {
        return bericht(runtime::utf8_nach_cp1252(zurueck
                                                     ? runtime::meldungen::nichts_rueckgaengig
                                                     : runtime::meldungen::nichts_zu_wiederholen));
    }
    k.ziel(runtime::utf8_nach_cp1252(zurueck ? "Rückgängig gemacht: " : "Wiederholt: ") +
           schritt->beschreibung);
    return {};
}

Ausgang verlauf(const Kontext& k) {
    int nummer = 0;
    for (const backup::Verlaufseintrag& eintrag : backup::verlauf()) {
        k.ziel(std::to_string(++nummer) + ". " + eintrag.beschreibung +
               (eintrag.zurueckgenommen ? runtime::utf8_nach_cp1252(" (rückgängig gemacht)") : ""));
    }
    return {};
}

enum class Argument { keins, konto, datei, sicherung };

struct Befehl {
    std::string_view name;
    Argument argument;
    bool schreibt; // refused while the program works in the same directory
    Ausgang (*aktion)(const Kontext&);
};

const std::array<Befehl, 12>& befehle() {
    static const std::array<Befehl, 12> tabelle = {{
        {"bilanz", Argument::keins, false,
         [](const Kontext& k) {
             std::string hinweis;
             return bericht_mit_hinweis(reports::bilanz(k.daten, k.ziel, &hinweis), hinweis);
         }},
        {"betriebsergebnis", Argument::keins, false,
         [](const Kontext& k) { return bericht(reports::betriebsergebnis(k.daten, k.ziel)); }},
        {"abschluss", Argument::keins, false,
         [](const Kontext& k) {
             std::string hinweis;
             return bericht_mit_hinweis(reports::abschlussbericht(k.daten, k.ziel, &hinweis),
                                        hinweis);
         }},
        {"journal", Argument::keins, false,
         [](const Kontext& k) {
             reports::journalliste(k.ziel);
             return Ausgang{};
         }},
        {"kontenplan", Argument::keins, false, [](const Kontext& k) { return kontenplan(k); }},
        {"kontenblatt", Argument::konto, false, [](const Kontext& k) { return kontenblatt(k); }},
        {"sichern", Argument::sicherung, true, [](const Kontext& k) { return sichern(k); }},
        {"laden", Argument::datei, true, [](const Kontext& k) { return laden(k); }},
        {"pruefen", Argument::datei, false,
         [](const Kontext& k) {
             const backup::Pruefergebnis pruefung =
                 backup::pruefe(k.datei, k.daten.kontenplan_nr, k.werte, k.ziel);
             if (pruefung.ungueltige_zeile != 0) {
                 return bericht(keine_sicherung(k.argument, pruefung.ungueltige_zeile));
             }
             if (pruefung.falscher_kontenplan) {
                 return Ausgang{std::nullopt, falscher_kontenplan};
             }
             return Ausgang{std::nullopt, pruefung.alles_richtig() ? erfolg : programmmeldung};
         }},
        {"rueckgaengig", Argument::keins, true,
         [](const Kontext& k) { return verlaufsschritt(k, true); }},
        {"wiederholen", Argument::keins, true,
         [](const Kontext& k) { return verlaufsschritt(k, false); }},
        {"verlauf", Argument::keins, false, [](const Kontext& k) { return verlauf(k); }},
    }};
    return tabelle;
}

// Why the call cannot run, "" when it can (`befehl` is then its command).
std::string fehler_im_aufruf(const Aufruf& aufruf, const Befehl*& befehl) {
    if (!aufruf.fehler.empty()) {
        return aufruf.fehler;
    }
    if (aufruf.befehl.empty()) {
        return "Befehl fehlt";
    }
    const auto gefunden = std::find_if(befehle().begin(), befehle().end(),
                                       [&](const Befehl& b) { return b.name == aufruf.befehl; });
    if (gefunden == befehle().end()) {
        return "unbekannter Befehl „" + runtime::name_nach_anzeige(aufruf.befehl) + "“";
    }
    if (!aufruf.loesung.empty() || aufruf.csv) {
        return "--loesung und --csv gehören zu „pruefen --loesung LOESUNG DATEI…“";
    }
    const std::string name = "„" + std::string(gefunden->name) + "“";
    if (gefunden->argument == Argument::keins && !aufruf.argumente.empty()) {
        return name + " hat kein Argument";
    }
    if (gefunden->argument != Argument::keins && aufruf.argumente.size() != 1) {
        return name + (aufruf.argumente.empty() ? " braucht " : " nimmt nur ") +
               (gefunden->argument == Argument::konto ? "ein Konto" : "eine Datei");
    }
    befehl = &*gefunden;
    return {};
}

// A backup file is named relative to where the tool was called.
std::string datei_von(const Befehl& befehl, const std::string& argument) {
    if (befehl.argument != Argument::datei && befehl.argument != Argument::sicherung) {
        return {};
    }
    std::filesystem::path pfad(argument);
    if (befehl.argument == Argument::sicherung && !pfad.has_extension()) {
        pfad += ".sdn";
    }
    return std::filesystem::absolute(pfad).string();
}

// After "Datei nicht gefunden", the path of the file that is missing: the
// command's own file, otherwise the journal, the settings or a chart.
void fehlende_datei_nennen(std::FILE* fehler, const std::string& datei) {
    std::vector<std::string> kandidaten = {datei, journal::journaldatei,
                                           masterdata::einstellungsdatei};
    for (std::int32_t n = 1; n <= 4; ++n) {
        kandidaten.push_back(masterdata::kontenplandatei(n));
    }
    for (const std::string& name : kandidaten) {
        if (!name.empty() && !runtime::existiert(name)) {
            schreibe(fehler,
                     "saldino-cli: " +
                         runtime::name_nach_anzeige(std::filesystem::absolute(name).string()) +
                         "\n");
            return;
        }
    }
}

} // namespace

int ausfuehren(int argc, const char* const argv[], std::FILE* aus, std::FILE* fehler) {
    Aufruf aufruf = lies_aufruf(argc, argv);
    if (aufruf.hilfe && aufruf.fehler.empty()) {
        schreibe(aus, hilfe);
        return erfolg;
    }
    if (aufruf.version && aufruf.fehler.empty()) {
        schreibe(aus, "saldino-cli " SALDINO_VERSION "\n");
        return erfolg;
    }
    if (aufruf.befehl == "pruefen" && !aufruf.loesung.empty() && aufruf.fehler.empty()) {
        if (!aufruf.argumente.empty() && aufruf.verzeichnis.empty()) {
            return klasse_pruefen(aufruf, aus, fehler);
        }
        aufruf.fehler = aufruf.argumente.empty()
                            ? "„pruefen --loesung LOESUNG“ braucht mindestens eine Datei"
                            : "„pruefen --loesung“ liest kein Arbeitsverzeichnis (--dir)";
    }
    if (aufruf.befehl == "aufgaben" && aufruf.fehler.empty()) {
        if (!aufruf.argumente.empty() && aufruf.argumente[0] == "pruefen" &&
            aufruf.argumente.size() <= 2 && aufruf.loesung.empty() && !aufruf.csv) {
            return aufgaben_pruefen(aufruf, aus, fehler);
        }
        aufruf.fehler = "„aufgaben“ kennt nur „aufgaben pruefen [ORDNER]“";
    }
    const Befehl* befehl = nullptr;
    if (const std::string grund = fehler_im_aufruf(aufruf, befehl); !grund.empty()) {
        schreibe(fehler, "saldino-cli: " + grund + "\nMehr dazu: saldino-cli --help\n");
        return falscher_aufruf;
    }
    const std::string argument = aufruf.argumente.empty() ? std::string() : aufruf.argumente[0];
    const std::string datei = datei_von(*befehl, argument);
    if (!aufruf.verzeichnis.empty()) {
        try {
            runtime::wechsle_verzeichnis(aufruf.verzeichnis);
        } catch (const runtime::Laufzeitfehler& f) {
            schreibe(fehler,
                     "saldino-cli: " + runtime::name_nach_anzeige(aufruf.verzeichnis) + ": ");
            zeile(fehler, f.meldung());
            return laufzeitfehler;
        }
    }
    // A writing command needs the lock; every command that gets it first
    // finishes what a crash or an error left half done, so that even a
    // report never reads a mixed state.
    std::optional<runtime::Sperre> sperre;
    try {
        sperre = runtime::Sperre::versuche();
    } catch (const runtime::Laufzeitfehler& f) {
        if (befehl->schreibt) {
            zeile(fehler, f.meldung());
            return laufzeitfehler;
        }
    }
    if (!sperre && befehl->schreibt) {
        zeile(fehler, runtime::laeuft_bereits());
        return programmmeldung;
    }
    if (sperre) {
        try {
            for (const std::string& hinweis : backup::unterbrochenes_beenden()) {
                zeile(fehler, hinweis);
            }
        } catch (const runtime::Laufzeitfehler& f) {
            zeile(fehler, f.meldung());
            return laufzeitfehler;
        }
    }
    const reports::Zeilenziel ziel = [aus](std::string_view z) { zeile(aus, z); };
    try {
        masterdata::Einstellungen werte;
        bool gelesen = false;
        const reports::Berichtsdaten daten = berichtsdaten(fehler, werte, gelesen);
        const Ausgang ausgang = befehl->aktion({werte, daten, argument, datei, ziel, aus, gelesen});
        if (ausgang.meldung) {
            zeile(fehler, *ausgang.meldung);
            return programmmeldung;
        }
        return ausgang.status;
    } catch (const runtime::Laufzeitfehler& f) {
        zeile(fehler, f.meldung());
        if (f.meldung() == std::string_view("Datei nicht gefunden")) {
            fehlende_datei_nennen(fehler, datei);
        }
        return laufzeitfehler;
    } catch (const std::bad_alloc&) {
        zeile(fehler, runtime::utf8_nach_cp1252(runtime::meldungen::zu_wenig_speicher));
        return laufzeitfehler;
    }
}

} // namespace saldino::cli
