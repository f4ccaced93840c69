#include "journal/buchungspruefung.h"

#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "runtime/meldungen.h"

namespace saldino::journal {

Buchungsfehler pruefe_buchungssatz(const TBuchung& buchung, std::int32_t kontenplan_nr) {
    // An amount that belongs to no account of the chart would count nowhere.
    const masterdata::Kontenplan kontenplan(kontenplan_nr);
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        if ((buchung.Soll[i] != 0 || buchung.Haben[i] != 0) &&
            !kontenplan.ist_konto(buchung.Konto[i])) {
            return kontenplan_nr == 0 ? Buchungsfehler::kein_kontenplan
                                      : Buchungsfehler::konto_nicht_gefunden;
        }
    }
    // The totals in line order, debit first, as the reports add them.
    double soll = 0;
    double haben = 0;
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        soll += buchung.Soll[i];
    }
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        haben += buchung.Haben[i];
    }
    if (in_cent(soll) != in_cent(haben)) {
        return Buchungsfehler::soll_ungleich_haben;
    }
    if (in_cent(soll).null()) {
        return Buchungsfehler::null_euro;
    }
    return Buchungsfehler::keiner;
}

std::string_view meldung(Buchungsfehler fehler) {
    switch (fehler) {
    case Buchungsfehler::kein_kontenplan:
        return runtime::meldungen::kein_kontenplan;
    case Buchungsfehler::konto_nicht_gefunden:
        return runtime::meldungen::konto_nicht_gefunden;
    case Buchungsfehler::soll_ungleich_haben:
        return runtime::meldungen::soll_ungleich_haben;
    case Buchungsfehler::null_euro:
        return runtime::meldungen::null_euro;
    case Buchungsfehler::keiner:
        break;
    }
    return {};
}

} // namespace saldino::journal
