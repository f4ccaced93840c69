#pragma once

#include <optional>
#include <string>

// One program at a time per working directory: an exclusive lock on the
// directory itself, held while the owner lives and released by the system
// when the process ends, however it ends.
namespace saldino::runtime {

class Sperre {
public:
    // The lock of the working directory, or nothing when another process
    // holds it. When the lock cannot be taken at all (the directory cannot be
    // opened, the file system has no locks) it throws "Das Arbeitsverzeichnis
    // kann nicht gesperrt werden: <reason>": the program never runs unlocked.
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
