#include "reports/kontensalden.h"

#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "journal/eroeffnung.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace saldino::reports {

namespace {

// Account names are short and few: their length and first and last eight
// bytes tell them apart well enough, without a loop over every character.
struct KurzerNamenshash {
    std::size_t operator()(std::string_view name) const {
        std::uint64_t anfang = 0;
        std::uint64_t ende = 0;
        const std::size_t n = std::min<std::size_t>(name.size(), 8);
        if (n > 0) {
            std::memcpy(&anfang, name.data(), n);
            std::memcpy(&ende, name.data() + name.size() - n, n);
        }
        const std::uint64_t h =
            (anfang * 0x9E3779B97F4A7C15ULL) ^ (ende + name.size()) * 0xC2B2AE3D27D4EB4FULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

struct Konto {
    std::size_t summe; // index of the accumulator
    bool betrieblich;
    bool neutral;
};

} // namespace

Journalsummen journalsummen(const masterdata::Kontenplan& kontenplan) {
    const auto& konten = kontenplan.konten();
    // One accumulator per distinct name.
    std::unordered_map<std::string_view, Konto, KurzerNamenshash> nach_name;
    nach_name.reserve(konten.size());
    for (const auto& konto : konten) {
        nach_name.emplace(konto.bezeichnung,
                          Konto{nach_name.size(), kontenplan.IstBetrieblich(konto.bezeichnung),
                                kontenplan.IstNeutral(konto.bezeichnung)});
    }
    std::vector<double> summen(nach_name.size(), 0.0);
    // Unused booking lines have no name; most charts have no account without one.
    const bool leerer_name = nach_name.contains(std::string_view());

    Journalsummen ergebnis;
    journal::Journalleser leser;
    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            const std::string_view name = buchung.konto(i);
            if (name.empty() && !leerer_name) {
                continue;
            }
            const auto treffer = nach_name.find(name);
            if (treffer == nach_name.end()) {
                continue;
            }
            const double soll = buchung.soll(i);
            const double haben = buchung.haben(i);
            double& summe = summen[treffer->second.summe];
            summe += soll;
            summe -= haben;
            if (treffer->second.betrieblich) {
                ergebnis.gewinn -= soll;
                ergebnis.gewinn += haben;
            }
            if (treffer->second.neutral) {
                ergebnis.neutral -= soll;
                ergebnis.neutral += haben;
            }
        }
    }

    ergebnis.salden.reserve(konten.size());
    for (const auto& konto : konten) {
        ergebnis.salden.push_back(summen[nach_name.at(konto.bezeichnung).summe]);
    }
    return ergebnis;
}

std::string eroeffnungshinweis(double saldo) {
    const journal::Centbetrag cent = journal::in_cent(saldo);
    if (cent.null()) {
        return {};
    }
    return runtime::meldungen::eroeffnung_unausgeglichen(
        runtime::cp1252_nach_utf8(journal::betragstext(std::fabs(saldo))));
}

double eroeffnungssaldo(const masterdata::Kontenplan& kontenplan,
                        const std::vector<double>& salden) {
    const auto& konten = kontenplan.konten();
    for (std::size_t k = 0; k < konten.size() && k < salden.size(); ++k) {
        if (konten[k].bezeichnung == journal::eroeffnungsbilanzkonto()) {
            return salden[k];
        }
    }
    return 0;
}

bool passivseite(const masterdata::TKonto& konto) {
    return konto.seite == "P" || konto.seite == "H";
}

double kontowert(const masterdata::TKonto& konto, double saldo) {
    return passivseite(konto) ? 0 - saldo : saldo;
}

} // namespace saldino::reports
