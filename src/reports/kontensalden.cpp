#include "reports/kontensalden.h"

#include "journal/buchung.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace saldino::reports {

namespace {

// Account names are short and few: their length and first and last eight
// bytes tell them apart well enough, without a loop over every character.
struct Namenshash {
    std::size_t operator()(std::string_view name) const {
        std::uint64_t anfang = 0;
        std::uint64_t ende = 0;
        const std::size_t n = std::min<std::size_t>(name.size(), 8);
        std::memcpy(&anfang, name.data(), n);
        std::memcpy(&ende, name.data() + name.size() - n, n);
        const std::uint64_t h =
            (anfang * 0x9E3779B97F4A7C15ULL) ^ (ende + name.size()) * 0xC2B2AE3D27D4EB4FULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

} // namespace

std::vector<double> kontensalden(const std::vector<masterdata::TKonto>& konten) {
    // One accumulator per distinct name.
    std::unordered_map<std::string_view, std::size_t, Namenshash> index_je_name;
    index_je_name.reserve(konten.size());
    for (const auto& konto : konten) {
        index_je_name.emplace(konto.bezeichnung, index_je_name.size());
    }
    std::vector<double> summen(index_je_name.size(), 0.0);
    // Unused booking lines have no name; most charts have no account without one.
    const bool leerer_name = index_je_name.contains(std::string_view());

    journal::Journalleser leser;
    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            const std::string_view name = buchung.konto(i);
            if (name.empty() && !leerer_name) {
                continue;
            }
            const auto treffer = index_je_name.find(name);
            if (treffer != index_je_name.end()) {
                double& summe = summen[treffer->second];
                summe += buchung.soll(i);
                summe -= buchung.haben(i);
            }
        }
    }

    std::vector<double> salden;
    salden.reserve(konten.size());
    for (const auto& konto : konten) {
        salden.push_back(summen[index_je_name.at(konto.bezeichnung)]);
    }
    return salden;
}

} // namespace saldino::reports
