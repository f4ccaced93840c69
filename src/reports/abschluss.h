#pragma once

#include "masterdata/kontenplan.h"
#include "reports/berichtsdaten.h"
#include "reports/spalten.h"
#include "reports/tkonto.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The year-end closing ("Abschluss") of the journal, in the textbook order:
// 1. the Privat accounts into Eigenkapital, 2. Vorsteuer into Umsatzsteuer,
// 3. the expense and revenue accounts into the GuV-Konto, 4. its balance
// into Eigenkapital, 5. every balance-sheet account into the
// Schlussbilanzkonto (SBK). Accounts are recognised by the chart's
// classification and by three names, compared after a leading account number
// ("3001 Privat"): a balance-sheet account whose name begins with "Privat", the
// one whose name ends with "Eigenkapital", and "Vorsteuer" and "Umsatzsteuer".
namespace saldino::reports {

struct Abschlussbuchung {
    std::string soll; // account names, Windows-1252; "GuV" and "SBK" for the two closing accounts
    std::string haben;
    double betrag = 0;
};

struct Abschluss {
    std::vector<Abschlussbuchung> buchungen;
    // The steps left out and why (Windows-1252), in step order.
    std::vector<std::string> entfallen;
    Kontoseite guv_soll;
    Kontoseite guv_haben;
    Kontoseite sbk_soll;
    Kontoseite sbk_haben;
    bool hat_eigenkapital = false;
    double eigenkapital_anfang = 0; // before the closing
    double privatentnahmen = 0;     // the debits of the Privat accounts
    double privateinlagen = 0;      // their credits
    double ergebnis = 0;            // profit above 0, loss below
    double eigenkapital_ende = 0;
    bool hat_steuern = false;
    double zahllast = 0;           // Umsatzsteuer left after the closing
    double vorsteuerueberhang = 0; // Vorsteuer left after the closing
    // The balance of the "Eröffnungsbilanzkonto": not 0 when the opening did not balance.
    double eroeffnungssaldo = 0;
};

// Reads the journal once and closes every account of the chart.
Abschluss abschluss(const masterdata::Kontenplan& kontenplan);

// The page "Abschluss" and `saldino-cli abschluss`: the company, the closing
// entries, the GuV-Konto and the SBK as T-accounts, the development of the
// equity. Without a chart only the heading and the program's message.
// `hinweis` gets what the page says above the report when the opening did
// not balance (UTF-8, "" otherwise).
std::optional<std::string> abschlussbericht(const Berichtsdaten& daten, const Zeilenziel& ziel,
                                            std::string* hinweis = nullptr);

} // namespace saldino::reports
