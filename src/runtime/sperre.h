#pragma once

#include <optional>
#include <string>

// One program at a time per working directory: an exclusive lock on a file
// beside the data, held while the owner lives and released by the system
// when the process ends, however it ends.
namespace saldino::runtime {

inline constexpr const char* sperrdatei = ".saldino.lock";

class Sperre {
public:
    // The lock of the working directory, or nothing when another process
    // holds it. Where no lock file can be made (a read-only directory)
    // nothing can be written either, and the lock is granted.
    static std::optional<Sperre> versuche();

    ~Sperre();
    Sperre(Sperre&& andere) noexcept;
    Sperre& operator=(Sperre&& andere) noexcept;
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;

private:
    explicit Sperre(int deskriptor) : deskriptor_(deskriptor) {}

    int deskriptor_ = -1;
};

// The message of a second program in the same working directory.
std::string laeuft_bereits();

} // namespace saldino::runtime
