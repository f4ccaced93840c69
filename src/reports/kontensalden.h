#pragma once

#include "masterdata/kontenplan.h"

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

// Whether an account stands on the credit side: liabilities ("P") and
// revenues ("H").
bool passivseite(const masterdata::TKonto& konto);

// The value a report shows for an account: its balance for "A" and "S"
// accounts; credit minus debit for "P" and "H" accounts, so that a debit
// excess there shows as a negative amount.
double kontowert(const masterdata::TKonto& konto, double saldo);

} // namespace saldino::reports
