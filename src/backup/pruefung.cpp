#include "backup/pruefung.h"

#include "backup/sicherung.h"
#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "reports/kontensalden.h"
#include "runtime/text.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace saldino::backup {

namespace {

// A booking as it is compared: its used lines as "account|debit|credit"
// texts, sorted, and its reason for the list of what is missing.
struct Buchungsbild {
    std::string schluessel;
    std::string datum;
    std::string grund;
    std::int32_t nummer = 0; // 1-based position in its journal
};

// Per account name, debit minus credit in journal and line order.
class Salden {
public:
    void buche(std::string_view konto, double soll, double haben) {
        auto eintrag = salden_.find(konto);
        if (eintrag == salden_.end()) {
            eintrag = salden_.emplace(std::string(konto), 0.0).first;
            reihenfolge_.emplace_back(konto);
        }
        eintrag->second = eintrag->second + soll - haben;
    }
    double saldo(const std::string& konto) const {
        const auto eintrag = salden_.find(konto);
        return eintrag == salden_.end() ? 0.0 : eintrag->second;
    }
    const std::vector<std::string>& konten() const { return reihenfolge_; }

private:
    std::map<std::string, double, std::less<>> salden_;
    std::vector<std::string> reihenfolge_;
};

template <typename Felder>
Buchungsbild bild_von(const Felder& buchung, std::int32_t nummer, Salden& salden) {
    std::vector<std::string> zeilen;
    for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
        const std::string soll = journal::betragstext(buchung.Soll[i]);
        const std::string haben = journal::betragstext(buchung.Haben[i]);
        if (buchung.Konto[i].empty() && soll == "0,00" && haben == "0,00") {
            continue;
        }
        zeilen.push_back(std::string(buchung.Konto[i]) + '|' + soll + '|' + haben);
        salden.buche(buchung.Konto[i], buchung.Soll[i], buchung.Haben[i]);
    }
    std::sort(zeilen.begin(), zeilen.end());
    Buchungsbild bild;
    for (const std::string& zeile : zeilen) {
        bild.schluessel += zeile;
        bild.schluessel += '\n';
    }
    bild.datum = buchung.Datum;
    bild.grund = buchung.Grund;
    bild.nummer = nummer;
    return bild;
}

// The chart's accounts in its order, then any other account as it first appears.
std::vector<Saldenabweichung> saldenabweichungen(std::int32_t kontenplan_nr, const Salden& salden,
                                                 const Salden& erwartete_salden) {
    const masterdata::Kontenplan plan(kontenplan_nr);
    std::vector<std::string> namen;
    std::map<std::string, const masterdata::TKonto*, std::less<>> im_plan;
    for (const auto& konto : plan.konten()) {
        if (im_plan.emplace(konto.bezeichnung, &konto).second) {
            namen.push_back(konto.bezeichnung);
        }
    }
    for (const Salden* quelle : {&salden, &erwartete_salden}) {
        for (const std::string& konto : quelle->konten()) {
            if (im_plan.emplace(konto, nullptr).second) {
                namen.push_back(konto);
            }
        }
    }
    std::vector<Saldenabweichung> abweichungen;
    for (const std::string& konto : namen) {
        const masterdata::TKonto* eintrag = im_plan.at(konto);
        const auto wert = [eintrag](double saldo) {
            return eintrag != nullptr ? reports::kontowert(*eintrag, saldo) : saldo;
        };
        std::string ist = journal::betragstext(wert(salden.saldo(konto)));
        std::string soll = journal::betragstext(wert(erwartete_salden.saldo(konto)));
        if (ist != soll) {
            abweichungen.push_back({konto, std::move(ist), std::move(soll)});
        }
    }
    return abweichungen;
}

std::string text(const char* utf8) {
    return runtime::utf8_nach_cp1252(utf8);
}

} // namespace

std::string loesungsdatei(int n) {
    return "loesung" + std::to_string(n) + ".sdn";
}

bool Pruefergebnis::alles_richtig() const {
    return ungueltige_zeile == 0 && !falscher_kontenplan && richtig == loesungsbuchungen &&
           ueberzaehlig.empty() && abweichende_salden.empty();
}

Pruefergebnis vergleiche(const std::string& loesung, std::int32_t kontenplan_nr) {
    Pruefergebnis ergebnis;
    std::vector<Buchungsbild> erwartet;
    Salden erwartete_salden;
    try {
        Sicherungsleser leser(loesung);
        ergebnis.loesungsplan = leser.kontenplan_nr();
        journal::Satzfelder buchung;
        while (leser.naechste(buchung)) {
            erwartet.push_back(bild_von(buchung, static_cast<std::int32_t>(erwartet.size()) + 1,
                                        erwartete_salden));
        }
    } catch (const UngueltigeSicherung& fehler) {
        ergebnis.ungueltige_zeile = fehler.zeile;
        return ergebnis;
    }
    if (kontenplan_nr != ergebnis.loesungsplan) {
        ergebnis.falscher_kontenplan = true;
        return ergebnis;
    }
    ergebnis.loesungsbuchungen = static_cast<std::int32_t>(erwartet.size());

    // Each solution booking waits under its key until a booking takes it.
    std::unordered_map<std::string, std::vector<std::size_t>> offen;
    for (std::size_t i = erwartet.size(); i-- > 0;) {
        offen[erwartet[i].schluessel].push_back(i);
    }
    std::vector<bool> gefunden(erwartet.size(), false);
    Salden salden;
    journal::Journalleser journal;
    journal::TBuchung buchung;
    for (std::int32_t nummer = 1; journal.naechste(buchung); ++nummer) {
        Buchungsbild bild = bild_von(buchung, nummer, salden);
        auto kandidaten = offen.find(bild.schluessel);
        if (kandidaten != offen.end() && !kandidaten->second.empty()) {
            gefunden[kandidaten->second.back()] = true;
            kandidaten->second.pop_back();
            ++ergebnis.richtig;
        } else {
            ergebnis.ueberzaehlig.push_back({bild.nummer, bild.datum, bild.grund});
        }
    }
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        if (!gefunden[i]) {
            ergebnis.fehlend.push_back({erwartet[i].nummer, erwartet[i].datum, erwartet[i].grund});
        }
    }
    ergebnis.abweichende_salden = saldenabweichungen(kontenplan_nr, salden, erwartete_salden);
    return ergebnis;
}

void pruefergebnis_ausgeben(const Pruefergebnis& ergebnis, const masterdata::Einstellungen& werte,
                            const reports::Zeilenziel& ziel) {
    if (ergebnis.falscher_kontenplan) {
        const std::int32_t plan = ergebnis.loesungsplan;
        std::string zeile = text("Diese Aufgabe braucht den Kontenplan ") + std::to_string(plan);
        if (plan >= 1 && plan <= 4 && !werte.kontenplan_namen[plan - 1].empty()) {
            zeile += text(" („") + werte.kontenplan_namen[plan - 1] + text("“)");
        }
        ziel(zeile + text(". Bitte wähle ihn zuerst aus."));
        return;
    }
    ziel(std::to_string(ergebnis.richtig) + " von " + std::to_string(ergebnis.loesungsbuchungen) +
         " Buchungen richtig");
    if (!ergebnis.fehlend.empty()) {
        ziel("");
        ziel(text("Diese Buchungen der Lösung fehlen noch:"));
        for (const GepruefteBuchung& buchung : ergebnis.fehlend) {
            ziel("  " + reports::printr(buchung.datum, 12) + buchung.grund);
        }
    }
    if (!ergebnis.ueberzaehlig.empty()) {
        ziel("");
        ziel(text("Diese Buchungen passen zu keiner Buchung der Lösung:"));
        for (const GepruefteBuchung& buchung : ergebnis.ueberzaehlig) {
            ziel("  " + reports::printr("Nr. " + std::to_string(buchung.nummer), 9) +
                 reports::printr(buchung.datum, 12) + buchung.grund);
        }
    }
    if (!ergebnis.abweichende_salden.empty()) {
        ziel("");
        ziel(text("Diese Salden weichen von der Lösung ab:"));
        ziel(reports::printr("Konto", 34) + reports::printf("dein Saldo", 13) +
             reports::printf("erwartet", 13));
        for (const Saldenabweichung& saldo : ergebnis.abweichende_salden) {
            ziel(reports::printr(saldo.konto, 34) + reports::printf(saldo.dein_saldo, 13) +
                 reports::printf(saldo.erwartet, 13));
        }
    }
    if (ergebnis.alles_richtig()) {
        ziel("");
        ziel("Alles richtig gebucht!");
    }
}

Pruefergebnis pruefe(const std::string& loesung, std::int32_t kontenplan_nr,
                     const masterdata::Einstellungen& werte, const reports::Zeilenziel& ziel) {
    Pruefergebnis ergebnis = vergleiche(loesung, kontenplan_nr);
    if (ergebnis.ungueltige_zeile == 0) {
        pruefergebnis_ausgeben(ergebnis, werte, ziel);
    }
    return ergebnis;
}

} // namespace saldino::backup
