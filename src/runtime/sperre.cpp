#include "runtime/sperre.h"

#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace saldino::runtime {

std::optional<Sperre> Sperre::versuche() {
    const int deskriptor = ::open(sperrdatei, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (deskriptor < 0) {
        return Sperre(-1);
    }
    int ergebnis;
    do {
        ergebnis = ::flock(deskriptor, LOCK_EX | LOCK_NB);
    } while (ergebnis != 0 && errno == EINTR);
    if (ergebnis != 0) {
        const bool belegt = errno == EWOULDBLOCK;
        ::close(deskriptor);
        if (belegt) {
            return std::nullopt;
        }
        return Sperre(-1);
    }
    return Sperre(deskriptor);
}

Sperre::~Sperre() {
    if (deskriptor_ >= 0) {
        ::close(deskriptor_);
    }
}

Sperre::Sperre(Sperre&& andere) noexcept : deskriptor_(andere.deskriptor_) {
    andere.deskriptor_ = -1;
}

Sperre& Sperre::operator=(Sperre&& andere) noexcept {
    std::swap(deskriptor_, andere.deskriptor_);
    return *this;
}

std::string laeuft_bereits() {
    return utf8_nach_cp1252(meldungen::laeuft_bereits);
}

} // namespace saldino::runtime
