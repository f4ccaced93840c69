#include "reports/zeilenquelle.h"

#include <algorithm>

namespace saldino::reports {

void Textzeilen::anhaengen(std::string_view zeile) {
    text_.append(zeile);
    enden_.push_back(text_.size());
    breite_ = std::max(breite_, static_cast<std::int64_t>(zeile.size()));
}

std::int64_t Textzeilen::anzahl() const {
    return static_cast<std::int64_t>(enden_.size());
}

void Textzeilen::zeilen(std::int64_t erste, std::int64_t menge, const Zeilenziel& ziel) const {
    const std::int64_t ende = std::min(anzahl(), erste + menge);
    for (std::int64_t i = std::max<std::int64_t>(erste, 0); i < ende; ++i) {
        const std::size_t anfang = i == 0 ? 0 : enden_[static_cast<std::size_t>(i - 1)];
        ziel(std::string_view(text_).substr(anfang, enden_[static_cast<std::size_t>(i)] - anfang));
    }
}

} // namespace saldino::reports
