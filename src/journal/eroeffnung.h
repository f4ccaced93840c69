#pragma once

#include "journal/buchung.h"
#include "masterdata/kontenplan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The opening balances: one opening record per account with an amount,
// booked against "Eröffnungsbilanzkonto", replacing the whole journal.
namespace saldino::journal {

// "Eröffnungsbilanzkonto" in Windows-1252: the counter account of every
// opening record.
const std::string& eroeffnungsbilanzkonto();

// The opening amount of every account of the chart, read back from the
// journal in one pass: a record with an "Eröffnungsbilanzkonto" line is an
// opening record, and each of its lines gives its own account its debit plus
// credit. The last opening record decides. Accounts without one, and the
// "Eröffnungsbilanzkonto" itself, have none.
std::vector<std::optional<double>>
eroeffnungsbetraege(const std::vector<masterdata::TKonto>& konten);

// The opening record of one account: assets and debit-side accounts in
// debit against "Eröffnungsbilanzkonto", all others the other way round.
TBuchung eroeffnungssatz(const masterdata::TKonto& konto, double betrag, const std::string& datum);

// The typed opening amounts added up as "OK" would book them: the asset and
// debit-side accounts as Aktiva, the others as Passiva. The
// "Eröffnungsbilanzkonto", cells "OK" refuses and amounts not above 0 count
// nothing. `zellen` holds the typed text of each account, in chart order.
struct Eroeffnungssummen {
    std::string aktiva; // amount texts
    std::string passiva;
    bool ausgeglichen = true;
    // Per cell: "OK" would refuse it or cannot read it (the grid marks it red).
    std::vector<bool> unlesbar;
};

Eroeffnungssummen eroeffnungssummen(const std::vector<masterdata::TKonto>& konten,
                                    const std::vector<std::string>& zellen);

// What "OK" reads from the grid's cells (one per account, in chart order):
// a cell the amount filter would turn into nothing although it holds text
// stops everything ("80.000,00" is never booked as nothing) and is named by
// `verworfen`; otherwise each cell as the filter leaves it, which the grid
// then shows, and its amount.
struct Eroeffnungseingabe {
    std::optional<std::size_t> verworfen;
    std::vector<std::string> zellen;
    std::vector<double> betraege;
};

Eroeffnungseingabe lies_eroeffnung(const std::vector<std::string>& zellen);

// "Nur Anfangsbestände ersetzen": the opening records (those with an
// "Eröffnungsbilanzkonto" line) replaced by the new ones, first, and every
// other booking kept in its order after them, renumbered from 0; written
// into a temporary file first. Returns the journal's new count.
std::int32_t anfangsbestaende_ersetzen(const std::vector<masterdata::TKonto>& konten,
                                       const std::vector<double>& betraege,
                                       const std::string& datum);

// What "OK" finds before it asks anything: the cells as read (a refused
// cell stops everything first), the opening date as the date rule reads it
// and whether it could (asked about before anything is booked), the sums by
// side (an opening that does not balance is asked about next).
struct Eroeffnungspruefung {
    Eroeffnungseingabe eingabe;
    std::string datum;
    bool datum_unlesbar = false;
    Eroeffnungssummen summen;
};

Eroeffnungspruefung pruefe_eroeffnung(const std::vector<masterdata::TKonto>& konten,
                                      const std::vector<std::string>& zellen,
                                      std::string_view datum, std::int32_t buchungsjahr);

// Replaces the journal by the opening records of the accounts whose amount
// is above 0, in chart order and numbered from 0, written into a temporary
// file first. Returns their number.
std::int32_t eroeffnung_buchen(const std::vector<masterdata::TKonto>& konten,
                               const std::vector<double>& betraege, const std::string& datum);

} // namespace saldino::journal
