#include "hilfen/arbeitsverzeichnis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace saldino::test {

namespace fs = std::filesystem;

Arbeitsverzeichnis::Arbeitsverzeichnis() : vorher_(fs::current_path()) {
    std::string muster = (fs::temp_directory_path() / "saldino-test-XXXXXX").string();
    if (::mkdtemp(muster.data()) == nullptr) {
        throw std::runtime_error("mkdtemp");
    }
    pfad_ = muster;
    fs::current_path(pfad_);
}

Arbeitsverzeichnis::~Arbeitsverzeichnis() {
    std::error_code fehler;
    fs::current_path(vorher_, fehler);
    fs::remove_all(pfad_, fehler);
}

void Arbeitsverzeichnis::mit_daten() const {
    for (const auto& eintrag : fs::directory_iterator(SALDINO_DATA_DIR)) {
        if (!eintrag.is_regular_file()) {
            continue; // the solutions stay with the program
        }
        fs::copy_file(eintrag.path(), pfad_ / eintrag.path().filename(),
                      fs::copy_options::overwrite_existing);
    }
}

void Arbeitsverzeichnis::schreibe(const std::string& name, std::string_view inhalt) const {
    std::ofstream datei(pfad_ / name, std::ios::binary | std::ios::trunc);
    datei.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

std::string Arbeitsverzeichnis::lies(const std::string& name) const {
    return lies_datei(pfad_ / name);
}

std::string Arbeitsverzeichnis::lies_datei(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

bool Arbeitsverzeichnis::gibt_es(const std::string& name) const {
    return fs::exists(pfad_ / name);
}

void Arbeitsverzeichnis::entferne(const std::string& name) const {
    fs::remove(pfad_ / name);
}

std::string Arbeitsverzeichnis::dateien() const {
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(pfad_)) {
        namen.push_back(eintrag.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    std::string liste;
    for (const auto& name : namen) {
        liste += (liste.empty() ? "" : " ") + name;
    }
    return liste;
}

Schreibschutz::Schreibschutz(const std::string& name) : name_(name) {
    ::chmod(name_.c_str(), 0444);
    if (::geteuid() == 0) {
        als_root_ = true;
        ::chmod(".", 0777);
        if (::seteuid(65534) != 0) {
            ADD_FAILURE() << "seteuid";
        }
    }
}

Schreibschutz::~Schreibschutz() {
    if (als_root_ && ::seteuid(0) != 0) {
        ADD_FAILURE() << "seteuid";
    }
    ::chmod(name_.c_str(), 0644);
}

} // namespace saldino::test
