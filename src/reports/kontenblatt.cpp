#include "reports/kontenblatt.h"

#include "journal/buchung.h"
#include "reports/tkonto.h"
#include "runtime/text.h"

#include <vector>

namespace saldino::reports {

namespace {

void kopfzeile(const Zeilenziel& ziel) {
    std::string zeile = "Nr.   ";
    printr_an(zeile, "Datum", 9);
    zeile += ' ';
    printr_an(zeile, "Person", 25);
    zeile += ' ';
    printr_an(zeile, "Grund", 25);
    printf_an(zeile, "Betrag", 10);
    ziel(zeile);
}

void eintrag(std::string& zeile, std::string_view nummer, std::string_view datum,
             std::string_view person, std::string_view grund, double betrag) {
    zeile.clear();
    printr_an(zeile, nummer, 4);
    zeile += ' ';
    zeile.append(datum);
    zeile += ' ';
    printr_an(zeile, person, 25);
    zeile += ' ';
    printr_an(zeile, grund, 25);
    betragsspalte_an(zeile, betrag, 10);
}

void buchungseintrag(std::string& zeile, const journal::Satzansicht& buchung, double betrag) {
    eintrag(zeile, buchungsnummer(buchung.nr()), buchung.datum(), buchung.person(), buchung.grund(),
            betrag);
}

void schlussbestand(const Zeilenziel& ziel, double betrag, std::int32_t jahr) {
    std::string zeile;
    eintrag(zeile, " ", "31.12." + std::to_string(jahr), "selbst", "Schlussbestand", betrag);
    ziel(zeile);
}

void summenzeile(const Zeilenziel& ziel, double summe) {
    std::string zeile = "Summe:";
    betragsspalte_an(zeile, summe, 10);
    ziel(zeile);
}

void titelzeile(std::string_view konto, const Zeilenziel& ziel) {
    static const std::string kopf = runtime::utf8_nach_cp1252("Kontenblatt für das Konto ");
    std::string titel = kopf;
    titel.append(konto);
    ziel(titel);
}

// The accounts on the other side of the booking than line `zeile` of
// `konto`: one by its name, several as "Verschiedene", none by the reason.
std::string gegenkonto(const journal::Satzansicht& buchung, std::string_view konto, bool soll) {
    std::string_view gefunden;
    for (std::size_t j = 0; j < journal::zeilen_je_buchung; ++j) {
        const std::string_view anderes = buchung.konto(j);
        if (anderes == konto || (soll ? buchung.haben(j) : buchung.soll(j)) == 0 ||
            anderes == gefunden) {
            continue;
        }
        if (!gefunden.empty()) {
            return "Verschiedene";
        }
        gefunden = anderes;
    }
    return std::string(gefunden.empty() ? buchung.grund() : gefunden);
}

} // namespace

void kontenblatt(std::string_view konto, const Zeilenziel& ziel, std::int32_t jahr) {
    titelzeile(konto, ziel);
    journal::Journalleser leser;
    ziel("");
    ziel("Soll:");
    kopfzeile(ziel);

    // One pass: debit entries go out at once, credit entries wait for the
    // debit side to close.
    double soll = 0;
    double haben = 0;
    std::string zeile;
    std::string habenseite;              // the credit entries, back to back
    std::vector<std::size_t> habenenden; // where each of them ends
    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            if (buchung.konto(i) != konto) {
                continue;
            }
            if (buchung.soll(i) != 0) {
                soll += buchung.soll(i);
                buchungseintrag(zeile, buchung, buchung.soll(i));
                ziel(zeile);
            }
            if (buchung.haben(i) != 0) {
                haben += buchung.haben(i);
                buchungseintrag(zeile, buchung, buchung.haben(i));
                habenseite.append(zeile);
                habenenden.push_back(habenseite.size());
            }
        }
    }

    const double saldo = soll - haben;
    if (saldo < 0) {
        schlussbestand(ziel, 0 - saldo, jahr);
        soll += 0 - saldo;
    }
    summenzeile(ziel, soll);
    ziel("");
    ziel("Haben:");
    kopfzeile(ziel);
    std::size_t anfang = 0;
    for (const std::size_t ende : habenenden) {
        ziel(std::string_view(habenseite).substr(anfang, ende - anfang));
        anfang = ende;
    }
    if (saldo > 0) {
        schlussbestand(ziel, saldo, jahr);
        haben += saldo;
    }
    summenzeile(ziel, haben);
    ziel("");
}

void t_kontenblatt(std::string_view konto, const Zeilenziel& ziel) {
    titelzeile(konto, ziel);
    journal::Journalleser leser;
    ziel("");
    Kontoseite soll;
    Kontoseite haben;
    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        const std::string nummer = buchungsnummer(buchung.nr()) + ' ';
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            if (buchung.konto(i) != konto) {
                continue;
            }
            if (buchung.soll(i) != 0) {
                soll.emplace_back(nummer + gegenkonto(buchung, konto, true), buchung.soll(i));
            }
            if (buchung.haben(i) != 0) {
                haben.emplace_back(nummer + gegenkonto(buchung, konto, false), buchung.haben(i));
            }
        }
    }
    // As on the list: the side with the smaller total gets the balance.
    const double saldo = summe(soll) - summe(haben);
    if (saldo < 0) {
        soll.emplace_back("Schlussbestand", 0 - saldo);
    } else if (saldo > 0) {
        haben.emplace_back("Schlussbestand", saldo);
    }
    t_konto(ziel, konto, soll, haben);
}

} // namespace saldino::reports
