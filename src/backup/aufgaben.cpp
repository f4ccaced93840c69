#include "backup/aufgaben.h"

#include "backup/pruefung.h"
#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "reports/abschluss.h"
#include "reports/kontensalden.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/ort.h"
#include "runtime/text.h"

#include <algorithm>
#include <array>

namespace saldino::backup {

std::string titeldatei(int n) {
    return "Aufgabe" + std::to_string(n) + ".txt";
}

std::string listendatei(int n) {
    return "aufgabe" + std::to_string(n) + ".txt";
}

namespace {

std::string& ordner_jetzt() {
    static std::string ordner;
    return ordner;
}

} // namespace

std::string lies_aufgabenordner() {
    if (!runtime::existiert(aufgabenordnerdatei)) {
        return {};
    }
    const std::vector<std::string> zeilen =
        runtime::teile_zeilen(runtime::lies_ganz(aufgabenordnerdatei), 1);
    return zeilen.empty() ? std::string() : zeilen.front();
}

void schreibe_aufgabenordner(const std::string& ordner) {
    runtime::ersetze_datei(aufgabenordnerdatei, ordner.empty() ? std::string() : ordner + "\r\n");
}

void aufgabenordner_setzen(std::string ordner) {
    ordner_jetzt() = std::move(ordner);
}

const std::string& aufgabenordner() {
    return ordner_jetzt();
}

std::string aufgabenziel(const std::string& name) {
    const std::string& ordner = ordner_jetzt();
    return ordner.empty() ? name : ordner + (ordner.ends_with('/') ? "" : "/") + name;
}

std::string aufgabenpfad(const std::string& name) {
    const std::string im_ordner = aufgabenziel(name);
    return runtime::existiert(im_ordner) ? im_ordner : name;
}

std::vector<int> aufgabennummern() {
    std::vector<int> nummern;
    for (int n = 1; n <= hoechste_aufgabe; ++n) {
        if (n <= aufgabenzahl || (runtime::existiert(aufgabenpfad(titeldatei(n))) &&
                                  runtime::existiert(aufgabenpfad(listendatei(n))))) {
            nummern.push_back(n);
        }
    }
    return nummern;
}

std::vector<std::string> lies_aufgabenliste(int n) {
    const std::string name = aufgabenpfad(listendatei(n));
    std::string inhalt;
    try {
        inhalt = runtime::lies_ganz(name);
    } catch (const runtime::Laufzeitfehler& fehler) {
        runtime::wirf_nicht_oeffnbar(runtime::voller_pfad(name), fehler.meldung());
    }
    return runtime::teile_zeilen(inhalt);
}

std::string lies_aufgabentitel(int n) {
    runtime::Datei datei(aufgabenpfad(titeldatei(n)), runtime::Datei::Zugriff::lesen);
    std::string zeile;
    std::array<char, 4096> block{};
    for (std::int64_t position = 0;; position += static_cast<std::int64_t>(block.size())) {
        const std::size_t gelesen = datei.lies(position, block.data(), block.size());
        const std::string_view teil(block.data(), gelesen);
        const std::size_t ende = teil.find_first_of("\r\n");
        zeile.append(teil.substr(0, ende));
        if (ende != std::string_view::npos || gelesen < block.size()) {
            break;
        }
    }
    datei.schliessen();
    return zeile;
}

std::optional<std::string> aufgabe_pruefen(const Aufgabentext& aufgabe) {
    if (aufgabe.titel.find_first_not_of(' ') == std::string::npos) {
        return std::string(runtime::meldungen::aufgabe_ohne_titel);
    }
    std::vector<std::string_view> texte = {aufgabe.titel};
    texte.insert(texte.end(), aufgabe.punkte.begin(), aufgabe.punkte.end());
    for (const std::string_view text : texte) {
        // Character by character: a lead byte and its continuation bytes.
        for (std::size_t i = 0; i < text.size();) {
            std::size_t laenge = 1;
            while (i + laenge < text.size() &&
                   (static_cast<unsigned char>(text[i + laenge]) & 0xC0) == 0x80) {
                ++laenge;
            }
            const std::string_view zeichen = text.substr(i, laenge);
            if (!runtime::utf8_streng_nach_cp1252(zeichen) || zeichen == "\r" || zeichen == "\n") {
                return runtime::meldungen::zeichen_nicht_speicherbar(zeichen);
            }
            i += laenge;
        }
    }
    return std::nullopt;
}

Aufgabentext lies_aufgabe(int n) {
    Aufgabentext aufgabe;
    aufgabe.titel = runtime::cp1252_nach_utf8(lies_aufgabentitel(n));
    std::vector<std::string> liste;
    try {
        liste = lies_aufgabenliste(n);
    } catch (const runtime::Laufzeitfehler&) {
    }
    // The checklist repeats the title in its first line.
    const std::size_t anfang =
        !liste.empty() && runtime::cp1252_nach_utf8(liste.front()) == aufgabe.titel ? 1 : 0;
    for (std::size_t i = anfang; i < liste.size(); ++i) {
        aufgabe.punkte.push_back(runtime::cp1252_nach_utf8(liste[i]));
    }
    while (!aufgabe.punkte.empty() && aufgabe.punkte.back().empty()) {
        aufgabe.punkte.pop_back();
    }
    return aufgabe;
}

void schreibe_aufgabe(int n, const Aufgabentext& aufgabe) {
    const std::string titel = runtime::utf8_nach_cp1252(aufgabe.titel) + "\r\n";
    std::string liste = titel;
    for (const std::string& punkt : aufgabe.punkte) {
        liste += runtime::utf8_nach_cp1252(punkt) + "\r\n";
    }
    runtime::Ersatzdatei titeldatei_neu(aufgabenziel(titeldatei(n)));
    runtime::Ersatzdatei listendatei_neu(aufgabenziel(listendatei(n)));
    titeldatei_neu.schreibe(titel);
    listendatei_neu.schreibe(liste);
    titeldatei_neu.abschliessen();
    listendatei_neu.abschliessen();
    listendatei_neu.umbenennen();
    titeldatei_neu.umbenennen();
}

int freie_aufgabennummer() {
    for (int n = aufgabenzahl + 1; n <= hoechste_aufgabe; ++n) {
        if (!runtime::existiert(aufgabenpfad(titeldatei(n))) &&
            !runtime::existiert(aufgabenpfad(listendatei(n)))) {
            return n;
        }
    }
    return 0;
}

bool ist_aufgabendatei(const std::string& name) {
    for (int n = 1; n <= hoechste_aufgabe; ++n) {
        if (name == titeldatei(n) || name == listendatei(n) || name == loesungsdatei(n)) {
            return true;
        }
    }
    return false;
}

int aufgaben_uebernehmen(const std::string& quelle, const std::string& ziel) {
    int anzahl = 0;
    for (const std::string unter : {"", "/loesungen"}) {
        const std::string von = quelle + unter;
        const std::string nach = ziel + unter;
        if (const int fehler = runtime::lege_ordnerpfad_an(nach); fehler != 0) {
            throw runtime::Laufzeitfehler(runtime::dateifehler_text(fehler));
        }
        for (const std::string& name : runtime::eintraege(nach)) {
            if (ist_aufgabendatei(name)) {
                runtime::entferne(nach + "/" + name);
            }
        }
        for (const std::string& name : runtime::eintraege(von)) {
            // Only solutions are looked for in "loesungen/".
            if (ist_aufgabendatei(name) && (unter.empty() || name.starts_with("loesung"))) {
                runtime::kopiere_datei(von + "/" + name, nach + "/" + name);
                ++anzahl;
            }
        }
    }
    return anzahl;
}

std::vector<std::string> eckzahlen(std::int32_t kontenplan_nr) {
    const reports::Abschluss ergebnis = reports::abschluss(masterdata::Kontenplan(kontenplan_nr));
    std::vector<std::string> zeilen;
    const auto zeile = [&zeilen](const std::string& was, double wert) {
        zeilen.push_back(runtime::utf8_nach_cp1252(was) + ": " + journal::betragstext(wert));
    };
    if (ergebnis.ergebnis < 0) {
        zeile("Verlust", -ergebnis.ergebnis);
    } else {
        zeile("Gewinn", ergebnis.ergebnis);
    }
    zeile("Summe des Schlussbilanzkontos", reports::summe(ergebnis.sbk_soll));
    if (ergebnis.hat_steuern) {
        if (ergebnis.vorsteuerueberhang > 0) {
            zeile("Vorsteuerüberhang", ergebnis.vorsteuerueberhang);
        } else {
            zeile("Zahllast", ergebnis.zahllast);
        }
    }
    return zeilen;
}

std::vector<std::string> kennzahlen(std::int32_t kontenplan_nr,
                                    const std::vector<std::string>& liste) {
    const masterdata::Kontenplan plan(kontenplan_nr);
    std::vector<std::string> zeilen = eckzahlen(kontenplan_nr);
    // The accounts the checklist names in „…“ (0x84 … 0x93), each once.
    const reports::Journalsummen summen = reports::journalsummen(plan);
    std::vector<std::string> genannt;
    for (const std::string& punkt : liste) {
        for (std::size_t auf = punkt.find('\x84'); auf != std::string::npos;
             auf = punkt.find('\x84', auf + 1)) {
            const std::size_t zu = punkt.find('\x93', auf);
            if (zu == std::string::npos) {
                break;
            }
            const std::string name = punkt.substr(auf + 1, zu - auf - 1);
            const auto& konten = plan.konten();
            const auto konto = std::find_if(konten.begin(), konten.end(), [&name](const auto& k) {
                return k.bezeichnung == name;
            });
            if (konto == konten.end() ||
                std::find(genannt.begin(), genannt.end(), name) != genannt.end()) {
                continue;
            }
            genannt.push_back(name);
            const auto i = static_cast<std::size_t>(konto - konten.begin());
            zeilen.push_back(name + ": " +
                             journal::betragstext(reports::kontowert(*konto, summen.salden[i])));
        }
    }
    return zeilen;
}

} // namespace saldino::backup
