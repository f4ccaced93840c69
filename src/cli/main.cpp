#include "cli/kommandozeile.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    // Reports can be long; one large buffer instead of a write per line.
    static char puffer[1 << 16];
    std::setvbuf(stdout, puffer, _IOFBF, sizeof puffer);
    const int status = saldino::cli::ausfuehren(argc, argv, stdout, stderr);
    return std::fflush(stdout) == 0 ? status : saldino::cli::laufzeitfehler;
}
