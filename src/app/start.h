#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace saldino::app {

// How the program was called: "saldino [VERZEICHNIS]", "--help", "--version",
// "--anleitung" (open the pupils' manual),
// or "--pruefstart [VERZEICHNIS]" (prepare, open the window offscreen and
// end: status 0 only when no box was shown). "--" ends the options; any
// other argument beginning with "-" is a wrong call, never a folder.
struct Startaufruf {
    enum class Art { starten, hilfe, version, anleitung, falsch };
    Art art = Art::starten;
    bool pruefstart = false;
    std::optional<std::filesystem::path> verzeichnis;
};

Startaufruf lies_startaufruf(const std::vector<std::string>& argumente);

// "--help", "-h" or "--version" where one stands among the options (the
// first of them), else nothing: what can be answered before Qt reads its
// own options (-style, -platform …), which lies_startaufruf would refuse.
std::vector<std::string> nur_hilfe_und_version(const std::vector<std::string>& argumente);

// The working directory without an argument: "Saldino" in the user's home.
std::filesystem::path standardverzeichnis();

// The text of --help.
extern const char* const startaufruf_hilfe;

} // namespace saldino::app
