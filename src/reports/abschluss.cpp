#include "reports/abschluss.h"

#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "journal/eroeffnung.h"
#include "runtime/text.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace saldino::reports {

namespace {

// An account of the chart with the sums of its journal lines.
struct Konto {
    const masterdata::TKonto* eintrag;
    double soll = 0;
    double haben = 0;
    double saldo = 0; // debit minus credit, moved by the closing entries
};

// The name without a leading account number and blank ("3001 Privat": "Privat").
std::string_view ohne_nummer(std::string_view name) {
    std::size_t i = 0;
    while (i < name.size() && runtime::ist_ziffer(name[i])) {
        ++i;
    }
    return i > 0 && i < name.size() && name[i] == ' ' ? name.substr(i + 1) : name;
}

bool ist_null(double betrag) {
    const std::string text = journal::betragstext(betrag);
    return text == "0,00" || text == "-0,00";
}

std::string text(const char* utf8) {
    return runtime::utf8_nach_cp1252(utf8);
}

// The accounts with their sums, from one pass over the journal. An account
// listed twice in the chart is closed once.
std::vector<Konto> konten_mit_summen(const masterdata::Kontenplan& kontenplan) {
    std::vector<Konto> konten;
    std::unordered_map<std::string_view, std::size_t> nach_name;
    for (const masterdata::TKonto& eintrag : kontenplan.konten()) {
        if (nach_name.emplace(eintrag.bezeichnung, konten.size()).second) {
            konten.push_back({&eintrag});
        }
    }
    journal::Journalleser leser;
    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            const auto treffer = nach_name.find(buchung.konto(i));
            if (treffer != nach_name.end()) {
                Konto& konto = konten[treffer->second];
                konto.soll += buchung.soll(i);
                konto.haben += buchung.haben(i);
            }
        }
    }
    for (Konto& konto : konten) {
        konto.saldo = konto.soll - konto.haben;
    }
    return konten;
}

class Abschliessen {
public:
    explicit Abschliessen(std::vector<Konto> konten) : konten_(std::move(konten)) {
        for (Konto& konto : konten_) {
            if (ist_bilanzkonto(konto) && ohne_nummer(name(konto)).ends_with("Eigenkapital") &&
                eigenkapital_ == nullptr) {
                eigenkapital_ = &konto;
            }
        }
        ergebnis_.hat_eigenkapital = eigenkapital_ != nullptr;
        if (eigenkapital_ != nullptr) {
            ergebnis_.eigenkapital_anfang = -eigenkapital_->saldo;
        }
    }

    Abschluss fertig() {
        privat();
        steuern();
        erfolgskonten();
        guv_saldo();
        if (eigenkapital_ != nullptr) {
            ergebnis_.eigenkapital_ende = -eigenkapital_->saldo;
        }
        schlussbilanz();
        return std::move(ergebnis_);
    }

private:
    static const std::string& name(const Konto& konto) { return konto.eintrag->bezeichnung; }
    static bool ist_bilanzkonto(const Konto& konto) {
        return konto.eintrag->bilanz == "*" && name(konto) != journal::eroeffnungsbilanzkonto();
    }
    Konto* finde(std::string_view gesucht) {
        const auto treffer = std::find_if(konten_.begin(), konten_.end(), [&](const Konto& k) {
            return ist_bilanzkonto(k) && ohne_nummer(name(k)) == gesucht;
        });
        return treffer == konten_.end() ? nullptr : &*treffer;
    }

    // One side of an entry: an account of the chart, or a closing account
    // (GuV, SBK) whose T-account records the other side's name.
    struct Partei {
        Konto* konto = nullptr;
        std::string name;
        Kontoseite* t_soll = nullptr;
        Kontoseite* t_haben = nullptr;
    };
    Partei partei(Konto& konto) { return {&konto, name(konto)}; }
    Partei guv() { return {nullptr, "GuV", &ergebnis_.guv_soll, &ergebnis_.guv_haben}; }
    Partei sbk() { return {nullptr, "SBK", &ergebnis_.sbk_soll, &ergebnis_.sbk_haben}; }

    // "soll an haben betrag": a negative amount is booked the other way round.
    void buche(const Partei& soll, const Partei& haben, double betrag) {
        if (ist_null(betrag)) {
            return;
        }
        if (betrag < 0) {
            buche(haben, soll, -betrag);
            return;
        }
        ergebnis_.buchungen.push_back({soll.name, haben.name, betrag});
        if (soll.konto != nullptr) {
            soll.konto->saldo += betrag;
        }
        if (haben.konto != nullptr) {
            haben.konto->saldo -= betrag;
        }
        if (soll.t_soll != nullptr) {
            soll.t_soll->emplace_back(haben.name, betrag);
        }
        if (haben.t_haben != nullptr) {
            haben.t_haben->emplace_back(soll.name, betrag);
        }
    }

    void privat() {
        std::vector<Konto*> privatkonten;
        for (Konto& konto : konten_) {
            if (ist_bilanzkonto(konto) && ohne_nummer(name(konto)).starts_with("Privat")) {
                privatkonten.push_back(&konto);
            }
        }
        if (privatkonten.empty()) {
            entfallen("1. Privatkonten: entfällt, der Kontenplan hat kein Privatkonto.");
            return;
        }
        if (eigenkapital_ == nullptr) {
            entfallen("1. Privatkonten: entfällt, der Kontenplan hat kein Eigenkapitalkonto.");
            return;
        }
        for (Konto* konto : privatkonten) {
            ergebnis_.privatentnahmen += konto->soll;
            ergebnis_.privateinlagen += konto->haben;
            buche(partei(*eigenkapital_), partei(*konto), konto->saldo);
        }
    }

    void steuern() {
        Konto* vorsteuer = finde("Vorsteuer");
        Konto* umsatzsteuer = finde("Umsatzsteuer");
        if (vorsteuer == nullptr || umsatzsteuer == nullptr) {
            entfallen("2. Vorsteuer und Umsatzsteuer: entfällt, der Kontenplan hat nicht beide "
                      "Konten „Vorsteuer“ und „Umsatzsteuer“.");
            return;
        }
        ergebnis_.hat_steuern = true;
        const double vst = vorsteuer->saldo;
        const double ust = -umsatzsteuer->saldo;
        if (vst > 0 && ust > 0) {
            buche(partei(*umsatzsteuer), partei(*vorsteuer), std::min(vst, ust));
        }
        ergebnis_.zahllast = std::max(0.0, -umsatzsteuer->saldo);
        ergebnis_.vorsteuerueberhang = std::max(0.0, vorsteuer->saldo);
    }

    void erfolgskonten() {
        for (Konto& konto : konten_) {
            if (konto.eintrag->guv != "*") {
                continue;
            }
            // An expense ("S") into the GuV's debit, a revenue into its credit.
            if (konto.eintrag->seite == "S") {
                buche(guv(), partei(konto), konto.saldo);
            } else {
                buche(partei(konto), guv(), -konto.saldo);
            }
        }
    }

    void guv_saldo() {
        ergebnis_.ergebnis = summe(ergebnis_.guv_haben) - summe(ergebnis_.guv_soll);
        if (eigenkapital_ == nullptr) {
            entfallen("4. Saldo der GuV: entfällt, der Kontenplan hat kein Eigenkapitalkonto.");
            if (!ist_null(ergebnis_.ergebnis)) {
                auto& seite = ergebnis_.ergebnis > 0 ? ergebnis_.guv_soll : ergebnis_.guv_haben;
                seite.emplace_back(ergebnis_.ergebnis > 0 ? "Gewinn" : "Verlust",
                                   std::abs(ergebnis_.ergebnis));
            }
            return;
        }
        buche(guv(), partei(*eigenkapital_), ergebnis_.ergebnis);
    }

    void schlussbilanz() {
        for (Konto& konto : konten_) {
            if (!ist_bilanzkonto(konto)) {
                continue;
            }
            if (konto.eintrag->seite == "A") {
                buche(sbk(), partei(konto), konto.saldo);
            } else {
                buche(partei(konto), sbk(), -konto.saldo);
            }
        }
    }

    void entfallen(const char* grund) { ergebnis_.entfallen.push_back(text(grund)); }

    std::vector<Konto> konten_;
    Konto* eigenkapital_ = nullptr;
    Abschluss ergebnis_;
};

} // namespace

Abschluss abschluss(const masterdata::Kontenplan& kontenplan) {
    std::vector<Konto> konten = konten_mit_summen(kontenplan);
    double eroeffnungssaldo = 0;
    for (const Konto& konto : konten) {
        if (konto.eintrag->bezeichnung == journal::eroeffnungsbilanzkonto()) {
            eroeffnungssaldo = konto.soll - konto.haben;
        }
    }
    Abschluss ergebnis = Abschliessen(std::move(konten)).fertig();
    ergebnis.eroeffnungssaldo = eroeffnungssaldo;
    return ergebnis;
}

} // namespace saldino::reports
