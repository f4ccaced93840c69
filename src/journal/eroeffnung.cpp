#include "journal/eroeffnung.h"

#include "journal/eingaberegeln.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/text.h"

#include <unordered_map>

namespace saldino::journal {

const std::string& eroeffnungsbilanzkonto() {
    static const std::string name = runtime::utf8_nach_cp1252("Eröffnungsbilanzkonto");
    return name;
}

Eroeffnungssummen eroeffnungssummen(const std::vector<masterdata::TKonto>& konten,
                                    const std::vector<std::string>& zellen) {
    std::uint64_t aktiva_cent = 0;
    std::uint64_t passiva_cent = 0;
    std::vector<bool> unlesbar(zellen.size(), false);
    for (std::size_t k = 0; k < konten.size() && k < zellen.size(); ++k) {
        if (ist_verworfener_betrag(zellen[k])) {
            unlesbar[k] = true;
            continue;
        }
        Centbetrag betrag;
        try {
            betrag = in_cent(lies_betrag(checkmoney(ist_betrag(zellen[k]))));
        } catch (const runtime::Laufzeitfehler&) {
            unlesbar[k] = true;
            continue;
        }
        if (konten[k].bezeichnung == eroeffnungsbilanzkonto()) {
            continue;
        }
        // 99 amounts below 10^15 cannot overflow the sum.
        if (betrag.negativ || betrag.null() || betrag.ganz >= 1'000'000'000'000'000ULL) {
            continue;
        }
        const bool soll = konten[k].seite == "A" || konten[k].seite == "S";
        (soll ? aktiva_cent : passiva_cent) += betrag.ganz * 100 + betrag.cent;
    }
    const auto text = [](std::uint64_t cent) {
        const std::uint64_t rest = cent % 100;
        return std::to_string(cent / 100) + (rest < 10 ? ",0" : ",") + std::to_string(rest);
    };
    return {text(aktiva_cent), text(passiva_cent), aktiva_cent == passiva_cent,
            std::move(unlesbar)};
}

std::vector<std::optional<double>>
eroeffnungsbetraege(const std::vector<masterdata::TKonto>& konten) {
    // Only names of the chart are kept, whatever the journal holds.
    std::unordered_map<std::string_view, std::optional<double>> betrag_je_name;
    for (const auto& konto : konten) {
        betrag_je_name.emplace(konto.bezeichnung, std::nullopt);
    }
    const std::string& ebk = eroeffnungsbilanzkonto();
    Journalleser leser;
    while (const Satz* satz = leser.naechster_satz()) {
        const Satzansicht buchung(*satz);
        bool eroeffnung = false;
        for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
            eroeffnung = eroeffnung || buchung.konto(i) == ebk;
        }
        if (!eroeffnung) {
            continue;
        }
        for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
            const auto eintrag = betrag_je_name.find(buchung.konto(i));
            if (eintrag != betrag_je_name.end()) {
                eintrag->second = buchung.soll(i) + buchung.haben(i);
            }
        }
    }
    std::vector<std::optional<double>> betraege;
    betraege.reserve(konten.size());
    for (const auto& konto : konten) {
        betraege.push_back(konto.bezeichnung == ebk ? std::nullopt
                                                    : betrag_je_name.at(konto.bezeichnung));
    }
    return betraege;
}

TBuchung eroeffnungssatz(const masterdata::TKonto& konto, double betrag, const std::string& datum) {
    TBuchung satz;
    satz.Datum = datum;
    satz.Person = "selbst";
    satz.Grund = runtime::utf8_nach_cp1252("Eröffnungsbuchung");
    const bool soll = konto.seite == "A" || konto.seite == "S";
    satz.Konto[0] = soll ? konto.bezeichnung : eroeffnungsbilanzkonto();
    satz.Konto[1] = soll ? eroeffnungsbilanzkonto() : konto.bezeichnung;
    satz.Soll[0] = betrag;
    satz.Haben[1] = betrag;
    return satz;
}

Eroeffnungseingabe lies_eroeffnung(const std::vector<std::string>& zellen) {
    Eroeffnungseingabe eingabe;
    for (std::size_t k = 0; k < zellen.size(); ++k) {
        if (ist_verworfener_betrag(zellen[k])) {
            eingabe.verworfen = k;
            return eingabe;
        }
    }
    for (const std::string& zelle : zellen) {
        eingabe.zellen.push_back(ist_betrag(zelle));
        eingabe.betraege.push_back(lies_betrag(checkmoney(eingabe.zellen.back())));
    }
    return eingabe;
}

std::int32_t anfangsbestaende_ersetzen(const std::vector<masterdata::TKonto>& konten,
                                       const std::vector<double>& betraege,
                                       const std::string& datum) {
    Journalleser leser;
    runtime::Ersatzdatei journal(journaldatei);
    std::int32_t anzahl = 0;
    const auto schreibe = [&journal, &anzahl](const Satz& satz) {
        const Satz nummeriert = mit_nummer(satz, anzahl++);
        journal.schreibe({reinterpret_cast<const char*>(nummeriert.data()), nummeriert.size()});
    };
    for (std::size_t k = 0; k < konten.size(); ++k) {
        if (betraege[k] > 0) {
            schreibe(als_satz(eroeffnungssatz(konten[k], betraege[k], datum)));
        }
    }
    while (const Satz* satz = leser.naechster_satz()) {
        const Satzansicht buchung(*satz);
        bool eroeffnung = false;
        for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
            eroeffnung = eroeffnung || buchung.konto(i) == eroeffnungsbilanzkonto();
        }
        if (!eroeffnung) {
            schreibe(*satz);
        }
    }
    journal.fertigstellen();
    return anzahl;
}

Eroeffnungspruefung pruefe_eroeffnung(const std::vector<masterdata::TKonto>& konten,
                                      const std::vector<std::string>& zellen,
                                      std::string_view datum, std::int32_t buchungsjahr) {
    Eroeffnungspruefung pruefung;
    pruefung.eingabe = lies_eroeffnung(zellen);
    if (pruefung.eingabe.verworfen || konten.empty()) {
        return pruefung;
    }
    pruefung.datum = checkdate(datum, buchungsjahr);
    pruefung.datum_unlesbar = pruefung.datum == ungueltiges_datum;
    pruefung.summen = eroeffnungssummen(konten, zellen);
    return pruefung;
}

std::int32_t eroeffnung_buchen(const std::vector<masterdata::TKonto>& konten,
                               const std::vector<double>& betraege, const std::string& datum) {
    runtime::Ersatzdatei journal(journaldatei);
    std::int32_t anzahl = 0;
    for (std::size_t k = 0; k < konten.size(); ++k) {
        if (!(betraege[k] > 0)) {
            continue;
        }
        TBuchung satz = eroeffnungssatz(konten[k], betraege[k], datum);
        satz.Nr = anzahl++;
        const Satz bytes = als_satz(satz);
        journal.schreibe({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    }
    journal.fertigstellen();
    return anzahl;
}

} // namespace saldino::journal
