#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace saldino::test {

// How many exercises the program brings along, each with its solution.
inline constexpr int gelieferte_aufgaben = 14;

// The supplied solution of exercise n, where the program keeps it.
inline std::string loesung(int n) {
    return std::string(SALDINO_DATA_DIR) + "/loesungen/loesung" + std::to_string(n) + ".sdn";
}

// A fresh temporary directory that is the working directory of the process
// until the object is destroyed.
class Arbeitsverzeichnis {
public:
    Arbeitsverzeichnis();
    ~Arbeitsverzeichnis();
    Arbeitsverzeichnis(const Arbeitsverzeichnis&) = delete;
    Arbeitsverzeichnis& operator=(const Arbeitsverzeichnis&) = delete;

    // Copies the files supplied in data/, as ./saldino does.
    void mit_daten() const;

    void schreibe(const std::string& name, std::string_view inhalt) const;
    std::string lies(const std::string& name) const;
    static std::string lies_datei(const std::filesystem::path& pfad);
    bool gibt_es(const std::string& name) const;
    void entferne(const std::string& name) const;

    // The names of all files in the directory, sorted.
    std::string dateien() const;

    const std::filesystem::path& pfad() const { return pfad_; }

private:
    std::filesystem::path pfad_;
    std::filesystem::path vorher_;
};

// Makes a file read-only while it lives. Root may write any file, so for root
// the process also acts as an unprivileged user meanwhile.
class Schreibschutz {
public:
    explicit Schreibschutz(const std::string& name);
    ~Schreibschutz();
    Schreibschutz(const Schreibschutz&) = delete;
    Schreibschutz& operator=(const Schreibschutz&) = delete;

private:
    std::string name_;
    bool als_root_ = false;
};

} // namespace saldino::test
