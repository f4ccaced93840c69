#pragma once

#include "reports/spalten.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A report as a view shows it: a number of lines, handed out a stretch at a
// time, so that a view needs only the lines on screen.
namespace saldino::reports {

class Zeilenquelle {
public:
    virtual ~Zeilenquelle() = default;

    virtual std::int64_t anzahl() const = 0;

    // The length of the longest line, in characters.
    virtual std::int64_t breite() const = 0;

    // Lines `erste` to `erste + menge - 1` (0-based, as far as there are any)
    // to `ziel`, in order. A line that cannot be read any more (the file
    // shrank since it was counted) comes as an empty line.
    virtual void zeilen(std::int64_t erste, std::int64_t menge, const Zeilenziel& ziel) const = 0;

    // Every line, in order.
    void alle(const Zeilenziel& ziel) const { zeilen(0, anzahl(), ziel); }
};

// Lines kept in one block of text: what a report builder hands over.
class Textzeilen : public Zeilenquelle {
public:
    void anhaengen(std::string_view zeile);

    std::int64_t anzahl() const override;
    std::int64_t breite() const override { return breite_; }
    void zeilen(std::int64_t erste, std::int64_t menge, const Zeilenziel& ziel) const override;

private:
    std::string text_;
    std::vector<std::size_t> enden_; // where each line ends in text_
    std::int64_t breite_ = 0;
};

} // namespace saldino::reports
