#pragma once

#include "masterdata/kontenplan.h"

#include <string>
#include <vector>

// What the balance sheet and the operating result need of the journal,
// gathered in one pass over it.
namespace saldino::reports {

struct Journalsummen {
    // For each account of the chart (in chart order), the sum of its lines'
    // debit minus credit: for every matching line, in journal and line order,
    // the debit is added and then the credit subtracted. An account listed
    // twice has the same balance twice.
    std::vector<double> salden;
    // BerechneGewinn: over every line whose account IstBetrieblich, in the
    // same order, the debit subtracted and then the credit added.
    double gewinn = 0;
    // BerechneNeutral: the same for the accounts that are IstNeutral.
    double neutral = 0;
};

Journalsummen journalsummen(const masterdata::Kontenplan& kontenplan);

// What the balance sheet and the closing say above the report when the
// opening did not balance: the "Eröffnungsbilanzkonto" keeps the difference
// as its balance (`saldo`), which flows into the profit and the sums. UTF-8,
// "" for a balance of 0,00.
std::string eroeffnungshinweis(double saldo);

// The balance of the "Eröffnungsbilanzkonto" among `salden` (chart order), 0
// where the chart has none.
double eroeffnungssaldo(const masterdata::Kontenplan& kontenplan,
                        const std::vector<double>& salden);

// Whether an account stands on the credit side: liabilities ("P") and
// revenues ("H").
bool passivseite(const masterdata::TKonto& konto);

// The value a report shows for an account: its balance for "A" and "S"
// accounts; credit minus debit for "P" and "H" accounts, so that a debit
// excess there shows as a negative amount.
double kontowert(const masterdata::TKonto& konto, double saldo);

} // namespace saldino::reports
