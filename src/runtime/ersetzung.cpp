#include "runtime/ersetzung.h"

#include "runtime/fehler.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace saldino::runtime {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view planende = "ende";

void ordner_anlegen() {
    if (::mkdir(programmordner, 0777) != 0 && errno != EEXIST) {
        wirf_dateifehler(errno);
    }
}

// The pairs of a complete plan; a plan without its last line was never
// acted on (it is renamed into place whole, so this is only a foreign file).
std::vector<std::pair<std::string, std::string>> lies_plan() {
    std::vector<std::pair<std::string, std::string>> paare;
    const std::vector<std::string> zeilen = teile_zeilen(lies_ganz(ersetzungsplan));
    if (zeilen.empty() || zeilen.back() != planende) {
        return {};
    }
    for (std::size_t i = 0; i + 1 < zeilen.size(); ++i) {
        const std::size_t tab = zeilen[i].find('\t');
        if (tab == std::string::npos) {
            return {};
        }
        std::string temporaer = zeilen[i].substr(0, tab);
        std::string ziel = zeilen[i].substr(tab + 1);
        // Only a file of the working directory and its own temporary file:
        // a plan can never move anything elsewhere.
        if (ziel.empty() || ziel.find('/') != std::string::npos || ziel.front() == '.' ||
            !temporaer.starts_with(ziel + std::string(temporaer_kennung)) ||
            temporaer.size() != ziel.size() + temporaer_kennung.size() + 6 ||
            temporaer.find('/') != std::string::npos) {
            return {};
        }
        paare.emplace_back(std::move(temporaer), std::move(ziel));
    }
    return paare;
}

void plan_entfernen() {
    testnaht::schritt();
    ::unlink(ersetzungsplan);
}

bool ist_rest(const std::string& name) {
    const std::size_t stelle = name.rfind(temporaer_kennung);
    if (stelle != std::string::npos && name.size() == stelle + temporaer_kennung.size() + 6) {
        return true;
    }
    // The old copy of the journal while a backup is loaded, and the names
    // earlier versions gave their temporary files.
    return name.ends_with(".saldino.alt") || name == "buchungen.dat.alt" ||
           ((name.starts_with("buchungen.dat.tmp") || name.starts_with("einstellungen.txt.tmp")) &&
            name.size() == name.find(".tmp") + 10);
}

void reste_entfernen(const fs::path& ordner) {
    std::error_code fehler;
    for (fs::directory_iterator eintrag(ordner, fehler), ende; !fehler && eintrag != ende;
         eintrag.increment(fehler)) {
        if (ist_rest(eintrag->path().filename().string()) && eintrag->is_regular_file(fehler) &&
            !eintrag->is_symlink(fehler)) {
            ::unlink(eintrag->path().c_str());
        }
    }
}

} // namespace

void ersetze_gemeinsam(std::initializer_list<Ersatzdatei*> dateien) {
    ordner_anlegen();
    std::string plan;
    for (const Ersatzdatei* datei : dateien) {
        plan += datei->temporaer() + '\t' + datei->ziel() + "\r\n";
    }
    plan += std::string(planende) + "\r\n";
    ersetze_datei(ersetzungsplan, plan);
    try {
        for (Ersatzdatei* datei : dateien) {
            datei->umbenennen();
        }
    } catch (...) {
        plan_entfernen();
        throw;
    }
    plan_entfernen();
}

void stelle_wieder_her() {
    struct stat info {};
    if (::lstat(ersetzungsplan, &info) == 0) {
        if (S_ISREG(info.st_mode)) {
            for (const auto& [temporaer, ziel] : lies_plan()) {
                if (::access(temporaer.c_str(), F_OK) == 0 &&
                    ::rename(temporaer.c_str(), ziel.c_str()) != 0) {
                    wirf_dateifehler(errno);
                }
            }
        }
        ::unlink(ersetzungsplan);
    }
    reste_entfernen(".");
    reste_entfernen(programmordner);
}

} // namespace saldino::runtime
