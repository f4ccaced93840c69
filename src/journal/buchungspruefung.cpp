#include "journal/buchungspruefung.h"

#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"

#include <cmath>

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

namespace {

std::int64_t cent(double wert) {
    const Centbetrag betrag = in_cent(wert);
    const auto gesamt = static_cast<std::int64_t>(betrag.ganz * 100 + betrag.cent);
    return betrag.negativ ? -gesamt : gesamt;
}

double feldbetrag(const std::string& text, bool& unlesbar) {
    try {
        const double wert = lies_betrag(checkmoney(text));
        if (std::abs(wert) < betragsgrenze) {
            return wert;
        }
    } catch (const runtime::Laufzeitfehler&) {
    }
    unlesbar = true;
    return 0;
}

} // namespace

Formularsummen formularsummen(const Betragsfelder& soll, const Betragsfelder& haben) {
    Formularsummen summen;
    double soll_summe = 0;
    double haben_summe = 0;
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        soll_summe += feldbetrag(soll[i], summen.soll_unlesbar[i]);
    }
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        haben_summe += feldbetrag(haben[i], summen.haben_unlesbar[i]);
    }
    const std::int64_t differenz = cent(soll_summe) - cent(haben_summe);
    summen.soll = betragstext(soll_summe);
    summen.haben = betragstext(haben_summe);
    summen.differenz = betragstext(static_cast<double>(differenz) / 100);
    summen.ausgeglichen = differenz == 0;
    return summen;
}

} // namespace saldino::journal
