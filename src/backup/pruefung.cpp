#include "backup/pruefung.h"

#include "backup/aufgaben.h"
#include "backup/sicherung.h"
#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "reports/kontensalden.h"
#include "runtime/dateien.h"
#include "runtime/text.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace saldino::backup {

namespace {

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

// The booking's used lines in line order, booked into `salden`.
template <typename Felder>
VerglicheneBuchung lies_zeilen(const Felder& buchung, std::int32_t nummer, Salden& salden) {
    VerglicheneBuchung gelesen{{nummer, std::string(buchung.Datum), std::string(buchung.Grund)},
                               {}};
    for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
        std::string soll = journal::betragstext(buchung.Soll[i]);
        std::string haben = journal::betragstext(buchung.Haben[i]);
        if (buchung.Konto[i].empty() && soll == "0,00" && haben == "0,00") {
            continue;
        }
        gelesen.zeilen.push_back(
            {std::string(buchung.Konto[i]), std::move(soll), std::move(haben)});
        salden.buche(buchung.Konto[i], buchung.Soll[i], buchung.Haben[i]);
    }
    return gelesen;
}

// What two bookings must share to match: their lines whatever their order.
std::string schluessel(const std::vector<Buchungszeile>& zeilen) {
    return zeilenbild(
        zeilen, [](const Buchungszeile& z) { return z.konto + '|' + z.soll + '|' + z.haben; });
}

// The solution bookings waiting under their key until a booking takes one,
// one of the booking's date first, otherwise the first in solution order.
class OffeneLoesung {
public:
    explicit OffeneLoesung(const std::vector<VerglicheneBuchung>& loesung) : loesung_(loesung) {
        for (std::size_t i = 0; i < loesung.size(); ++i) {
            offen_[schluessel(loesung[i].zeilen)].push_back(i);
        }
    }

    std::optional<std::size_t> nimm(const std::string& schluessel, const std::string& datum) {
        const auto kandidaten = offen_.find(schluessel);
        if (kandidaten == offen_.end() || kandidaten->second.empty()) {
            return std::nullopt;
        }
        auto& liste = kandidaten->second;
        auto gewaehlt = std::find_if(liste.begin(), liste.end(), [&](std::size_t i) {
            return loesung_[i].kopf.datum == datum;
        });
        if (gewaehlt == liste.end()) {
            gewaehlt = liste.begin();
        }
        const std::size_t i = *gewaehlt;
        liste.erase(gewaehlt);
        return i;
    }

private:
    const std::vector<VerglicheneBuchung>& loesung_;
    std::unordered_map<std::string, std::vector<std::size_t>> offen_;
};

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

// "  <date> <reason> – Nr. 4 und 5: <what is wrong>"
std::string befundzeile(const GepruefteBuchung& loesung, const std::vector<std::int32_t>& buchungen,
                        const std::string& befund) {
    std::string zeile = "  " + reports::printr(loesung.datum, 12) + loesung.grund + text(" – ");
    for (std::size_t i = 0; i < buchungen.size(); ++i) {
        zeile += i == 0 ? "Nr. " : i + 1 == buchungen.size() ? " und " : ", ";
        zeile += std::to_string(buchungen[i]);
    }
    return zeile + (buchungen.empty() ? "" : ": ") + befund;
}

} // namespace

std::string loesungsdatei(int n) {
    return "loesung" + std::to_string(n) + ".sdn";
}

std::string loesung_fuer(int n, const std::filesystem::path& programmdaten) {
    if (!aufgabenordner().empty()) {
        for (const std::string& name :
             {aufgabenziel(loesungsdatei(n)), aufgabenziel("loesungen/" + loesungsdatei(n))}) {
            if (runtime::existiert(name)) {
                return name;
            }
        }
    }
    const std::string eigene = loesungsdatei(n);
    if (runtime::existiert(eigene) || programmdaten.empty()) {
        return eigene;
    }
    return (programmdaten / "loesungen" / eigene).string();
}

bool Pruefergebnis::alles_richtig() const {
    return ungueltige_zeile == 0 && !falscher_kontenplan && richtig == loesungsbuchungen &&
           ueberzaehlig.empty() && abweichende_salden.empty();
}

std::int32_t Pruefergebnis::anzahl(Befundart art) const {
    return static_cast<std::int32_t>(std::count_if(
        befunde.begin(), befunde.end(), [art](const Befund& befund) { return befund.art == art; }));
}

namespace {

// The comparison of whatever hands out the pupil's bookings: `naechste`
// reads the next one into its lines (booking them into the balances), false
// after the last.
template <typename Naechste>
Pruefergebnis vergleiche_mit(const std::string& loesung, std::int32_t kontenplan_nr,
                             Naechste naechste) {
    Pruefergebnis ergebnis;
    std::vector<VerglicheneBuchung> erwartet;
    Salden erwartete_salden;
    try {
        Sicherungsleser leser(loesung);
        ergebnis.loesungsplan = leser.kontenplan_nr();
        journal::Satzfelder buchung;
        while (leser.naechste(buchung)) {
            erwartet.push_back(lies_zeilen(buchung, static_cast<std::int32_t>(erwartet.size()) + 1,
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

    OffeneLoesung offen(erwartet);
    const Loesungsnaehe naehe(erwartet);
    std::vector<std::optional<GepruefteBuchung>> gefunden(erwartet.size());
    std::vector<VerglicheneBuchung> uebrig;
    Salden salden;
    VerglicheneBuchung gelesen;
    for (std::int32_t nummer = 1; naechste(gelesen, nummer, salden); ++nummer) {
        ++ergebnis.buchungen;
        if (const auto i = offen.nimm(schluessel(gelesen.zeilen), gelesen.kopf.datum)) {
            gefunden[*i] = std::move(gelesen.kopf);
            ++ergebnis.richtig;
            continue;
        }
        if (!naehe.koennte_passen(gelesen.zeilen)) {
            gelesen.zeilen.clear();
        }
        uebrig.push_back(std::move(gelesen));
    }

    std::vector<VerglicheneBuchung> fehlend;
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        if (!gefunden[i]) {
            fehlend.push_back(erwartet[i]);
        }
    }
    Zuordnung zuordnung = ordne_zu(fehlend, uebrig);
    auto erklaert = zuordnung.befunde.begin();
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        if (!gefunden[i]) {
            ergebnis.befunde.push_back(std::move(*erklaert++));
        } else if (gefunden[i]->datum != erwartet[i].kopf.datum) {
            ergebnis.befunde.push_back(
                {Befundart::datum_weicht_ab,
                 erwartet[i].kopf,
                 {gefunden[i]->nummer},
                 "Datum " + gefunden[i]->datum + " statt " + erwartet[i].kopf.datum});
        }
    }
    ergebnis.ueberzaehlig = std::move(zuordnung.ueberzaehlig);
    ergebnis.abweichende_salden = saldenabweichungen(kontenplan_nr, salden, erwartete_salden);
    return ergebnis;
}

} // namespace

Pruefergebnis vergleiche(const std::string& loesung, std::int32_t kontenplan_nr) {
    journal::Journalleser journal;
    journal::TBuchung buchung;
    return vergleiche_mit(loesung, kontenplan_nr,
                          [&](VerglicheneBuchung& gelesen, std::int32_t nummer, Salden& salden) {
                              if (!journal.naechste(buchung)) {
                                  return false;
                              }
                              gelesen = lies_zeilen(buchung, nummer, salden);
                              return true;
                          });
}

Pruefergebnis vergleiche_sicherung(const std::string& loesung, Sicherungsleser& schueler) {
    journal::Satzfelder buchung;
    return vergleiche_mit(loesung, schueler.kontenplan_nr(),
                          [&](VerglicheneBuchung& gelesen, std::int32_t nummer, Salden& salden) {
                              if (!schueler.naechste(buchung)) {
                                  return false;
                              }
                              gelesen = lies_zeilen(buchung, nummer, salden);
                              return true;
                          });
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
    if (!ergebnis.befunde.empty() || !ergebnis.ueberzaehlig.empty()) {
        ziel("");
    }
    for (const Befund& befund : ergebnis.befunde) {
        ziel(befundzeile(befund.loesung, befund.buchungen, befund.text));
    }
    for (const GepruefteBuchung& buchung : ergebnis.ueberzaehlig) {
        ziel(befundzeile(buchung, {buchung.nummer},
                         text("Buchung ist in der Lösung nicht vorgesehen")));
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
