#include "runtime/dateien.h"

#include <algorithm>

namespace saldino::runtime {

Zeilenleser::Zeilenleser(const std::string& name, std::size_t hoechstlaenge)
    : datei_(name, Datei::Zugriff::lesen), hoechstlaenge_(hoechstlaenge) {}

bool Zeilenleser::naechste(std::string_view& zeile) {
    constexpr std::size_t block = 64 * 1024;
    for (;;) {
        const std::size_t lf = puffer_.find('\n', std::max(anfang_, gesucht_));
        if (lf != std::string::npos || ende_) {
            if (lf == std::string::npos && anfang_ == puffer_.size()) {
                return false;
            }
            const std::size_t ende = lf == std::string::npos ? puffer_.size() : lf;
            zeile = std::string_view(puffer_).substr(anfang_, ende - anfang_);
            if (lf != std::string::npos && !zeile.empty() && zeile.back() == '\r') {
                zeile.remove_suffix(1);
            }
            ++zeilen_;
            if (zeile.size() > hoechstlaenge_) {
                throw ZeileZuLang{zeilen_};
            }
            anfang_ = lf == std::string::npos ? puffer_.size() : lf + 1;
            return true;
        }
        if (puffer_.size() - anfang_ > hoechstlaenge_ + 1) {
            throw ZeileZuLang{zeilen_ + 1};
        }
        puffer_.erase(0, anfang_);
        anfang_ = 0;
        gesucht_ = puffer_.size();
        const std::size_t alt = puffer_.size();
        puffer_.resize(alt + block);
        const std::size_t gelesen = datei_.lies(position_, puffer_.data() + alt, block);
        puffer_.resize(alt + gelesen);
        position_ += static_cast<std::int64_t>(gelesen);
        ende_ = gelesen < block;
    }
}

} // namespace saldino::runtime
