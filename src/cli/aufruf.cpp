#include "cli/aufruf.h"

#include "runtime/text.h"

#include <getopt.h>

namespace saldino::cli {

namespace {

// An argument as the terminal may show it.
std::string gelesen(const std::vector<char*>& argumente, int i) {
    return runtime::name_nach_anzeige(argumente[static_cast<std::size_t>(i)]);
}

} // namespace

Aufruf lies_aufruf(int argc, const char* const argv[]) {
    enum : int { dir = 'C', loesung = 1000, csv, hilfe, version };
    static const ::option optionen[] = {
        {"dir", required_argument, nullptr, dir},
        {"loesung", required_argument, nullptr, loesung},
        {"csv", no_argument, nullptr, csv},
        {"help", no_argument, nullptr, hilfe},
        {"version", no_argument, nullptr, version},
        {nullptr, 0, nullptr, 0},
    };
    // getopt_long reorders what it is given; the caller's array stays as it is.
    std::vector<char*> argumente;
    for (int i = 0; i < argc; ++i) {
        argumente.push_back(const_cast<char*>(argv[i]));
    }
    argumente.push_back(nullptr);
    Aufruf aufruf;
    ::optind = 0; // a fresh start for every call
    ::opterr = 0;
    for (int option;
         (option = ::getopt_long(argc, argumente.data(), ":C:h", optionen, nullptr)) != -1;) {
        switch (option) {
        case dir:
            aufruf.verzeichnis = ::optarg;
            break;
        case loesung:
            aufruf.loesung = ::optarg;
            break;
        case csv:
            aufruf.csv = true;
            break;
        case 'h':
        case hilfe:
            aufruf.hilfe = true;
            break;
        case version:
            aufruf.version = true;
            break;
        case ':':
            aufruf.fehler = "Option „" + gelesen(argumente, ::optind - 1) + "“ braucht einen Wert";
            return aufruf;
        default:
            aufruf.fehler = "unbekannte Option „" +
                            (::optopt != 0 ? std::string("-") + static_cast<char>(::optopt)
                                           : gelesen(argumente, ::optind - 1)) +
                            "“";
            return aufruf;
        }
    }
    if (::optind < argc) {
        aufruf.befehl = argumente[static_cast<std::size_t>(::optind++)];
    }
    for (; ::optind < argc; ++::optind) {
        aufruf.argumente.emplace_back(argumente[static_cast<std::size_t>(::optind)]);
    }
    return aufruf;
}

} // namespace saldino::cli
