#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// The fuzz targets that read files work in a directory of their own, in memory
// where the system offers it, so a flush to disk costs nothing.
namespace saldino::fuzz {

// Removed again when the fuzzer ends normally; after a finding it stays for a look.
inline std::string& ordner() {
    static std::string pfad;
    return pfad;
}

inline void in_eigenen_ordner() {
    if (!ordner().empty()) {
        return;
    }
    std::string muster = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    muster += "/saldino-fuzz-XXXXXX";
    if (::mkdtemp(muster.data()) == nullptr || ::chdir(muster.c_str()) != 0) {
        std::perror("saldino-fuzz");
        std::abort();
    }
    ordner() = muster;
    std::atexit([] {
        std::error_code fehler;
        std::filesystem::remove_all(ordner(), fehler);
    });
}

// Writes the bytes as the whole file `name`.
inline void lege_ab(const char* name, const std::uint8_t* daten, std::size_t anzahl) {
    std::FILE* datei = std::fopen(name, "wb");
    if (datei == nullptr || std::fwrite(daten, 1, anzahl, datei) != anzahl ||
        std::fclose(datei) != 0) {
        std::perror(name);
        std::abort();
    }
}

inline void lege_ab(const char* name, const std::string& text) {
    lege_ab(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

} // namespace saldino::fuzz
