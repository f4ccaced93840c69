#include "reports/journalliste.h"

#include "journal/buchung.h"

namespace saldino::reports {

namespace {

void buchungszeile(std::string& zeile, const journal::Satzansicht& buchung, std::size_t i,
                   bool soll) {
    zeile.clear();
    printr_an(zeile, buchungsnummer(buchung.nr()), 4);
    zeile += ' ';
    zeile.append(buchung.datum());
    zeile += ' ';
    printr_an(zeile, buchung.konto(i), 20);
    zeile.append(soll ? " S  " : " H  ");
    printr_an(zeile, buchung.person(), 25);
    zeile += ' ';
    printr_an(zeile, buchung.grund(), 25);
    betragsspalte_an(zeile, soll ? buchung.soll(i) : buchung.haben(i), 10);
}

} // namespace

void journalliste(const Zeilenziel& ziel) {
    journal::Journalleser leser;

    std::string zeile = "Nr.   ";
    printr_an(zeile, "Datum", 9);
    zeile += ' ';
    printr_an(zeile, "Konto", 20);
    zeile.append("S/H");
    zeile += ' ';
    printr_an(zeile, "Person", 25);
    zeile += ' ';
    printr_an(zeile, "Grund", 25);
    printf_an(zeile, "Betrag", 10);
    ziel(zeile);

    while (const journal::Satz* satz = leser.naechster_satz()) {
        const journal::Satzansicht buchung(*satz);
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            if (buchung.soll(i) != 0) {
                buchungszeile(zeile, buchung, i, true);
                ziel(zeile);
            }
        }
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            if (buchung.haben(i) != 0) {
                buchungszeile(zeile, buchung, i, false);
                ziel(zeile);
            }
        }
    }
}

} // namespace saldino::reports
