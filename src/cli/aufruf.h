#pragma once

#include <string>
#include <vector>

namespace saldino::cli {

// A command line taken apart. Options may stand anywhere: "--dir DIR",
// "--dir=DIR" and "-C DIR" name the working directory, "--loesung FILE" the
// solution of the class check, "--csv" its table form; "--" ends the options.
struct Aufruf {
    std::string verzeichnis;
    std::string loesung;
    bool csv = false;
    bool hilfe = false;
    bool version = false;
    std::string befehl;
    std::vector<std::string> argumente;
    // Why the options cannot be read ("unbekannte Option „-x“"), "" when they can.
    std::string fehler;
};

Aufruf lies_aufruf(int argc, const char* const argv[]);

} // namespace saldino::cli
