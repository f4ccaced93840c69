#include "reports/kontensalden.h"

#include "journal/buchung.h"

namespace saldino::reports {

std::vector<double> kontensalden(const std::vector<masterdata::TKonto>& konten) {
    // One accumulator per distinct name.
    std::unordered_map<std::string_view, std::size_t> index_je_name;
    index_je_name.reserve(konten.size());
    for (const auto& konto : konten) {
        index_je_name.emplace(konto.bezeichnung, index_je_name.size());
    }
    std::vector<double> summen(index_je_name.size(), 0.0);

    journal::Journalleser leser;
    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            const auto treffer = index_je_name.find(buchung.konto(i));
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
