#include "runtime/sperre.h"

#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace saldino::runtime {

namespace {

[[noreturn]] void wirf_nicht_sperrbar(int fehlernummer) {
    throw Laufzeitfehler(utf8_nach_cp1252(meldungen::nicht_sperrbar) +
                         dateifehler_text(fehlernummer));
}

} // namespace

std::optional<Sperre> Sperre::versuche() {
    // The lock is taken on the working directory itself: no file has to be
    // created for it, so nothing in the directory (a directory, a symlink or
    // an unreadable file in the lock's place, a read-only folder) can skip it.
    int deskriptor;
    do {
        deskriptor = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (deskriptor < 0 && errno == EINTR);
    if (deskriptor < 0) {
        wirf_nicht_sperrbar(errno);
    }
    int ergebnis;
    do {
        ergebnis = ::flock(deskriptor, LOCK_EX | LOCK_NB);
    } while (ergebnis != 0 && errno == EINTR);
    if (ergebnis != 0) {
        const int fehler = errno;
        ::close(deskriptor);
        if (fehler == EWOULDBLOCK) {
            return std::nullopt;
        }
        wirf_nicht_sperrbar(fehler);
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
