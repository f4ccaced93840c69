#include "cli/aufgabenpruefung.h"

#include "backup/aufgaben.h"
#include "backup/pruefung.h"
#include "backup/sicherung.h"
#include "cli/kommandozeile.h"
#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "masterdata/einstellungen.h"
#include "masterdata/kontenplan.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/text.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace saldino::cli {

namespace {

namespace fs = std::filesystem;

// Goes back to the working directory of its start when it goes.
class Zurueck {
public:
    Zurueck() : ordner_(fs::current_path().string()) {}
    ~Zurueck() {
        try {
            runtime::wechsle_verzeichnis(ordner_);
        } catch (const runtime::Laufzeitfehler&) {
        }
    }
    Zurueck(const Zurueck&) = delete;
    Zurueck& operator=(const Zurueck&) = delete;

private:
    std::string ordner_;
};

// The chart a title names: "(Kontenplan 3)" gives 3; 0 when it names none.
std::int32_t kontenplan_im_titel(const std::string& titel) {
    const std::string_view marke = "(Kontenplan ";
    const std::size_t stelle = titel.find(marke);
    if (stelle == std::string::npos || stelle + marke.size() >= titel.size()) {
        return 0;
    }
    const char ziffer = titel[stelle + marke.size()];
    return ziffer >= '1' && ziffer <= '4' ? ziffer - '0' : 0;
}

std::optional<fs::path> loesung_im_ordner(const fs::path& ordner, int n) {
    for (const fs::path& pfad :
         {ordner / backup::loesungsdatei(n), ordner / "loesungen" / backup::loesungsdatei(n)}) {
        if (runtime::existiert(pfad.string())) {
            return pfad;
        }
    }
    return std::nullopt;
}

// One exercise: its lines for the listing, its faults (Windows-1252).
struct Befund {
    std::vector<std::string> zeilen;
    std::vector<std::string> fehler;
};

// Loads the solution into a directory of its own with its chart and reads it
// there: booking count, balance of every booking, the check against itself
// and the key figures.
void loesung_lesen(const fs::path& loesung, const fs::path& plandatei, std::int32_t plan,
                   Befund& befund, const std::string& wer) {
    const runtime::Zwischenordner zwischen;
    // Back in the folder before the directory of its own goes.
    const Zurueck zurueck;
    runtime::kopiere_datei(plandatei.string(),
                           (fs::path(zwischen.pfad()) / plandatei.filename()).string());
    runtime::wechsle_verzeichnis(zwischen.pfad());
    masterdata::Einstellungen werte;
    const backup::GeladeneSicherung geladen = backup::lade_sicherung(loesung.string(), werte);
    if (geladen.ungueltige_zeile != 0) {
        befund.fehler.push_back(wer + ": die L\xF6sung ist keine g\xFCltige Sicherung (Zeile " +
                                std::to_string(geladen.ungueltige_zeile) + ")");
        return;
    }
    if (geladen.kontenplan_nr != plan) {
        befund.fehler.push_back(wer + ": die L\xF6sung ist f\xFCr Kontenplan " +
                                std::to_string(geladen.kontenplan_nr) + ", der Titel nennt " +
                                std::to_string(plan));
        return;
    }
    const masterdata::Kontenplan kontenplan(plan);
    journal::Journalleser leser;
    std::int32_t nummer = 0;
    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        ++nummer;
        double soll = 0;
        double haben = 0;
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            soll += buchung.soll(i);
            haben += buchung.haben(i);
            if ((buchung.soll(i) != 0 || buchung.haben(i) != 0) &&
                !kontenplan.ist_konto(buchung.konto(i))) {
                befund.fehler.push_back(wer + ": Buchung " + std::to_string(nummer) +
                                        " bucht auf \x84" + std::string(buchung.konto(i)) +
                                        "\x93, das Kontenplan " + std::to_string(plan) +
                                        " nicht hat");
            }
        }
        if (journal::betragstext(soll) != journal::betragstext(haben) || soll == 0) {
            befund.fehler.push_back(wer + ": Buchung " + std::to_string(nummer) +
                                    " ist nicht ausgeglichen");
        }
    }
    befund.zeilen.push_back("  Kontenplan " + std::to_string(plan) + ", " +
                            std::to_string(geladen.buchungen) + " Buchungen");
    for (const std::string& zahl : backup::eckzahlen(plan)) {
        befund.zeilen.push_back("  " + zahl);
    }
    if (!backup::pruefe(loesung.string(), plan, werte, [](std::string_view) {}).alles_richtig()) {
        befund.fehler.push_back(wer + ": die L\xF6sung ist gegen sich selbst nicht richtig");
    }
}

Befund pruefe_aufgabe(const fs::path& ordner, const fs::path& arbeitsverzeichnis, int n) {
    Befund befund;
    runtime::wechsle_verzeichnis(ordner.string());
    const std::string wer = "Aufgabe " + std::to_string(n);
    const std::string titel = backup::lies_aufgabentitel(n);
    befund.zeilen.push_back(titel.empty() ? wer : titel);
    if (titel.find_first_not_of(' ') == std::string::npos) {
        befund.fehler.push_back(wer + ": kein Titel");
    }
    const std::vector<std::string> liste = backup::lies_aufgabenliste(n);
    const bool punkte = std::any_of(liste.begin() + (liste.empty() ? 0 : 1), liste.end(),
                                    [](const std::string& zeile) { return !zeile.empty(); });
    if (!punkte) {
        befund.fehler.push_back(wer + ": keine Abhakliste");
    }
    const std::int32_t plan = kontenplan_im_titel(titel);
    if (plan == 0) {
        befund.fehler.push_back(wer + ": der Titel nennt keinen Kontenplan");
        return befund;
    }
    fs::path plandatei = ordner / masterdata::kontenplandatei(plan);
    if (!runtime::existiert(plandatei.string())) {
        plandatei = arbeitsverzeichnis / masterdata::kontenplandatei(plan);
    }
    const std::optional<fs::path> loesung = loesung_im_ordner(ordner, n);
    if (!loesung) {
        befund.fehler.push_back(wer + ": keine L\xF6sung (" + backup::loesungsdatei(n) + ")");
        return befund;
    }
    try {
        loesung_lesen(*loesung, plandatei, plan, befund, wer);
    } catch (const runtime::Laufzeitfehler& f) {
        befund.fehler.push_back(wer + ": " + f.meldung());
    }
    runtime::wechsle_verzeichnis(ordner.string());
    return befund;
}

} // namespace

int aufgabenpruefung(const std::string& ordner, const std::string& arbeitsverzeichnis,
                     std::FILE* aus) {
    const Zurueck zurueck; // where the tool was

    runtime::wechsle_verzeichnis(ordner);
    std::vector<int> nummern;
    for (int n = 1; n <= backup::hoechste_aufgabe; ++n) {
        if (runtime::existiert(backup::titeldatei(n)) &&
            runtime::existiert(backup::listendatei(n))) {
            nummern.push_back(n);
        }
    }
    std::vector<std::string> fehler;
    for (const int n : nummern) {
        const Befund befund = pruefe_aufgabe(ordner, arbeitsverzeichnis, n);
        for (const std::string& text : befund.zeilen) {
            zeile(aus, text);
        }
        zeile(aus, "");
        fehler.insert(fehler.end(), befund.fehler.begin(), befund.fehler.end());
    }
    if (nummern.empty()) {
        fehler.emplace_back("keine Aufgabe gefunden (AufgabeN.txt und aufgabeN.txt)");
    }
    if (fehler.empty()) {
        zeile(aus, "Alle " + std::to_string(nummern.size()) + " Aufgaben sind in Ordnung.");
        return erfolg;
    }
    zeile(aus, "Fehler:");
    for (const std::string& text : fehler) {
        zeile(aus, "  " + text);
    }
    return programmmeldung;
}

int aufgaben_pruefen(const Aufruf& aufruf, std::FILE* aus, std::FILE* fehler) {
    const fs::path arbeitsverzeichnis =
        aufruf.verzeichnis.empty() ? fs::current_path() : fs::absolute(aufruf.verzeichnis);
    const fs::path ordner =
        aufruf.argumente.size() == 2 ? fs::absolute(aufruf.argumente[1]) : arbeitsverzeichnis;
    try {
        return aufgabenpruefung(ordner.string(), arbeitsverzeichnis.string(), aus);
    } catch (const runtime::Laufzeitfehler& f) {
        zeile(fehler, f.meldung());
        schreibe(fehler, "saldino-cli: " + runtime::name_nach_anzeige(ordner.string()) + "\n");
        return laufzeitfehler;
    }
}

} // namespace saldino::cli
