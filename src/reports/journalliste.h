#pragma once

#include "reports/zeilenquelle.h"

#include <memory>
#include <optional>

namespace saldino::runtime {
class Datei;
}

// "Journal": every booking of the journal, one line per amount, debit lines
// before credit lines. Needs no chart.
namespace saldino::reports {

// Hands the heading and the booking lines to `ziel`; a journal that cannot be
// opened throws before the first line.
void journalliste(const Zeilenziel& ziel);

// The same lines on demand, for a view. One pass over the journal counts the
// lines of every block of 128 records; a stretch of lines then reads only the
// blocks it lies in. The journal stays open, so the lines stay those of the
// journal as it was counted, even when it is replaced meanwhile. A journal
// that cannot be opened throws from the constructor. An amount that cannot
// be written (not a number, infinite) ends the listing before its line, as
// it ends journalliste; melde_fehler() then throws its conversion error.
class Journalansicht : public Zeilenquelle {
public:
    Journalansicht();
    ~Journalansicht() override;
    Journalansicht(const Journalansicht&) = delete;
    Journalansicht& operator=(const Journalansicht&) = delete;

    std::int64_t anzahl() const override { return zeilen_ + 1; }
    std::int64_t breite() const override;
    void zeilen(std::int64_t erste, std::int64_t menge, const Zeilenziel& ziel) const override;

    void melde_fehler() const;

    static constexpr std::int32_t saetze_je_block = 128;

private:
    std::unique_ptr<runtime::Datei> datei_;
    std::int32_t saetze_ = 0;
    std::int64_t zeilen_ = 0;               // booking lines, without the heading
    std::vector<std::int64_t> blockanfang_; // the first booking line of every block
    std::optional<double> unlesbar_;        // the amount the listing ends at
};

} // namespace saldino::reports
