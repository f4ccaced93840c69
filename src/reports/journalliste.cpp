#include "reports/journalliste.h"

#include "journal/buchung.h"
#include "runtime/fehler.h"

#include <algorithm>
#include <cmath>

namespace saldino::reports {

namespace {

std::string kopfzeile() {
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
    return zeile;
}

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

// The lines of one record: its debit lines, then its credit lines. `ziel`
// returns false to stop.
template <typename Ziel>
bool satzzeilen(const journal::Satz& satz, std::string& zeile, Ziel&& ziel) {
    const journal::Satzansicht buchung(satz);
    for (const bool soll : {true, false}) {
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            if ((soll ? buchung.soll(i) : buchung.haben(i)) != 0) {
                buchungszeile(zeile, buchung, i, soll);
                if (!ziel(zeile)) {
                    return false;
                }
            }
        }
    }
    return true;
}

// Counts the record's lines into `zeilen`; false, with the amount, at one
// that cannot be written.
bool zaehle(const journal::Satz& satz, std::int64_t& zeilen, std::optional<double>& unlesbar) {
    const journal::Satzansicht buchung(satz);
    for (const bool soll : {true, false}) {
        for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
            const double betrag = soll ? buchung.soll(i) : buchung.haben(i);
            if (betrag != 0) {
                if (!std::isfinite(betrag)) {
                    unlesbar = betrag;
                    return false;
                }
                ++zeilen;
            }
        }
    }
    return true;
}

} // namespace

void journalliste(const Zeilenziel& ziel) {
    journal::Journalleser leser;
    std::string zeile = kopfzeile();
    ziel(zeile);
    while (const journal::Satz* satz = leser.naechster_satz()) {
        satzzeilen(*satz, zeile, [&ziel](const std::string& z) {
            ziel(z);
            return true;
        });
    }
}

Journalansicht::Journalansicht()
    : datei_(
          std::make_unique<runtime::Datei>(journal::journaldatei, runtime::Datei::Zugriff::lesen)) {
    const auto anzahl = datei_->groesse() / static_cast<std::int64_t>(journal::satzlaenge);
    saetze_ = static_cast<std::int32_t>(std::min<std::int64_t>(anzahl, INT32_MAX));
    std::vector<journal::Satz> block(saetze_je_block);
    for (std::int32_t anfang = 0; anfang < saetze_ && !unlesbar_; anfang += saetze_je_block) {
        blockanfang_.push_back(zeilen_);
        const auto menge = static_cast<std::size_t>(std::min(saetze_je_block, saetze_ - anfang));
        const std::size_t bytes = menge * journal::satzlaenge;
        if (datei_->lies(static_cast<std::int64_t>(anfang) * journal::satzlaenge, block.data(),
                         bytes) != bytes) {
            runtime::wirf_dateiende();
        }
        for (std::size_t i = 0; i < menge && zaehle(block[i], zeilen_, unlesbar_); ++i) {
        }
    }
}

Journalansicht::~Journalansicht() = default;

void Journalansicht::melde_fehler() const {
    if (unlesbar_) {
        std::string zeile;
        betragsspalte_an(zeile, *unlesbar_, 10);
    }
}

// No booking line is longer than the heading: every column is cut to its
// width and the stored date holds at most 10 characters.
std::int64_t Journalansicht::breite() const {
    return static_cast<std::int64_t>(kopfzeile().size());
}

void Journalansicht::zeilen(std::int64_t erste, std::int64_t menge, const Zeilenziel& ziel) const {
    erste = std::max<std::int64_t>(erste, 0);
    std::int64_t ende = std::min(anzahl(), erste + menge);
    if (erste == 0 && ende > 0) {
        ziel(kopfzeile());
        erste = 1;
    }
    if (erste >= ende) {
        return;
    }
    // Booking line k (0-based) is view line k + 1.
    std::int64_t k = erste - 1;
    const std::int64_t bis = ende - 1;
    auto block = static_cast<std::size_t>(
        std::upper_bound(blockanfang_.begin(), blockanfang_.end(), k) - blockanfang_.begin() - 1);
    std::vector<journal::Satz> saetze(saetze_je_block);
    std::string zeile;
    for (; block < blockanfang_.size() && k < bis; ++block) {
        const std::int32_t anfang = static_cast<std::int32_t>(block) * saetze_je_block;
        const auto menge_saetze =
            static_cast<std::size_t>(std::min(saetze_je_block, saetze_ - anfang));
        const std::size_t gelesen =
            datei_->lies(static_cast<std::int64_t>(anfang) * journal::satzlaenge, saetze.data(),
                         menge_saetze * journal::satzlaenge) /
            journal::satzlaenge;
        std::int64_t nummer = blockanfang_[block];
        for (std::size_t i = 0; i < gelesen && k < bis; ++i) {
            satzzeilen(saetze[i], zeile, [&](const std::string& z) {
                if (nummer++ == k) {
                    ziel(z);
                    ++k;
                }
                return k < bis;
            });
        }
        // What the shrunk file no longer holds.
        const std::int64_t blockende =
            block + 1 < blockanfang_.size() ? blockanfang_[block + 1] : zeilen_;
        for (; gelesen < menge_saetze && k < std::min(bis, blockende); ++k) {
            ziel("");
        }
    }
}

} // namespace saldino::reports
