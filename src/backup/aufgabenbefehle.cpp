#include "backup/aufgabenbefehle.h"

#include "backup/pruefung.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

namespace saldino::backup {

namespace {

std::string frage_mit_zahlen(int n, const std::string& datei,
                             const std::vector<std::string>& zahlen, bool ersetzt) {
    std::string text = "Den Stand als Lösung der Aufgabe " + std::to_string(n) + " speichern (" +
                       datei + ")?\nVergleiche die Zahlen mit dem Aufgabentext:\n";
    for (const std::string& zeile : zahlen) {
        text += '\n' + runtime::cp1252_nach_utf8(zeile);
    }
    if (ersetzt) {
        text += "\n\nDie Datei " + datei + " gibt es schon und wird ersetzt.";
    }
    return text;
}

} // namespace

Pruefseite pruefseite(int n, const std::string& titel, const std::filesystem::path& programmdaten,
                      std::int32_t kontenplan_nr, const masterdata::Einstellungen& werte) {
    Pruefseite seite;
    if (n == 0) {
        seite.meldung = runtime::meldungen::zuerst_aufgabe_waehlen;
        return seite;
    }
    const std::string loesung = loesung_fuer(n, programmdaten);
    if (!runtime::existiert(loesung)) {
        seite.meldung = runtime::meldungen::keine_loesung;
        return seite;
    }
    // The page names the exercise it checked.
    seite.zeilen = {titel.empty() || titel == "Label36" ? "Aufgabe " + std::to_string(n) : titel,
                    ""};
    const Pruefergebnis ergebnis =
        pruefe(loesung, kontenplan_nr, werte,
               [&seite](std::string_view zeile) { seite.zeilen.emplace_back(zeile); });
    if (ergebnis.ungueltige_zeile != 0) {
        seite.zeilen.clear();
        seite.meldung = runtime::meldungen::keine_sicherung(
            runtime::cp1252_nach_utf8(runtime::voller_pfad(loesung)), ergebnis.ungueltige_zeile);
    }
    return seite;
}

Aufgabenvorgabe aufgabenvorgabe(int offen) {
    Aufgabenvorgabe vorgabe{offen != 0 ? offen : freie_aufgabennummer(), {}};
    if (vorgabe.nummer != 0 && runtime::existiert(aufgabenpfad(titeldatei(vorgabe.nummer)))) {
        vorgabe.aufgabe = lies_aufgabe(vorgabe.nummer);
    }
    return vorgabe;
}

std::vector<std::string> aufgabenpunkte(std::string_view text) {
    std::vector<std::string> punkte = runtime::teile_zeilen(text);
    while (!punkte.empty() && punkte.back().empty()) {
        punkte.pop_back();
    }
    return punkte;
}

bool ersetzt_andere_aufgabe(int n, int offen) {
    return n != offen && runtime::existiert(aufgabenpfad(titeldatei(n)));
}

std::string loesungsziel(int n) {
    return aufgabenziel(loesungsdatei(n));
}

Loesungsvorhaben loesungsvorhaben(int n, std::int32_t kontenplan_nr) {
    Loesungsvorhaben vorhaben;
    if (n == 0) {
        vorhaben.meldung = runtime::meldungen::zuerst_aufgabe_waehlen;
        return vorhaben;
    }
    if (kontenplan_nr == 0) {
        vorhaben.meldung = runtime::meldungen::kein_kontenplan;
        return vorhaben;
    }
    std::vector<std::string> liste;
    try {
        liste = lies_aufgabenliste(n);
    } catch (const runtime::Laufzeitfehler&) {
    }
    vorhaben.datei = loesungsziel(n);
    vorhaben.frage = frage_mit_zahlen(n, vorhaben.datei, kennzahlen(kontenplan_nr, liste),
                                      runtime::existiert(vorhaben.datei));
    return vorhaben;
}

} // namespace saldino::backup
