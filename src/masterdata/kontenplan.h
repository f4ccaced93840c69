#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The four chart-of-accounts files Kontenplan1.txt to Kontenplan4.txt: one
// account per line, for example "Kasse<B> A  B": the name, the type in angle
// brackets, a separator, the side letter, two characters not read and the
// operating/neutral letter.
namespace saldino::masterdata {

inline constexpr std::size_t konto_kapazitaet = 64;

// One parsed chart line.
struct TKonto {
    std::string bezeichnung; // account name
    std::string bilanz;      // "*" balance-sheet account, "" P&L account, "***" type "V"
    std::string guv;         // "" balance-sheet account, "*" P&L account, "***" type "V"
    std::string seite;       // "A" asset, "P" liability, "S" debit side, "H" credit side
    std::string bn;          // "B" operating, "N" neutral, "" or "Fehler!"

    bool operator==(const TKonto&) const = default;
};

// Parses one chart line into `konto`. A line that is empty, has no "<" or no
// ">" after it is no account: the result is false and `konto` is left as
// it was. Letters missing at the end of the line count as other characters.
bool werte_aus(std::string_view zeile, TKonto& konto);

// "Kontenplan<nr>.txt"
std::string kontenplandatei(std::int32_t kontenplan_nr);

// One reading of the selected chart: its accounts in file order, lines that
// are no account left out, and the three lookups answered from that reading.
// Number 0 (no chart selected) is an empty chart.
class Kontenplan {
public:
    // Reads the chart file; a missing file gives "Datei nicht gefunden".
    explicit Kontenplan(std::int32_t kontenplan_nr);

    const std::vector<TKonto>& konten() const { return konten_; }

    // Whether some account of the chart has exactly this name.
    bool ist_konto(std::string_view name) const;

    // The first account of exactly this name, none when there is none.
    const TKonto* konto(std::string_view name) const;

    // The one account whose name is `nummer`, digits only, followed by a
    // blank ("2800" gives "2800 Bank"); none when there is none or several.
    const TKonto* konto_zur_nummer(std::string_view nummer) const;

    // The one account whose name is digits, a blank and `name` ("Bank"
    // gives "2800 Bank"); none when there is none or several.
    const TKonto* konto_ohne_nummer(std::string_view name) const;

    // Whether some account of this name is marked "B" (operating).
    bool IstBetrieblich(std::string_view name) const;

    // Whether some account of this name is marked "N" (neutral).
    bool IstNeutral(std::string_view name) const;

private:
    struct Merkmale {
        bool betrieblich = false;
        bool neutral = false;
    };

    // Lets the map be searched with a string_view without building a string.
    struct TransparenterHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };

    const Merkmale* suche(std::string_view name) const;

    std::vector<TKonto> konten_;
    std::unordered_map<std::string, Merkmale, TransparenterHash, std::equal_to<>> namen_;
};

// What an account is and on which side it grows, for the pupil:
// "Kasse: Aktivkonto — Zugänge im Soll, Abgänge im Haben" (Windows-1252).
std::string kontohinweis(const TKonto& konto);

// The lookups on the chart file as it is on disk now, one reading per call.
// Without a selected chart they are false.
bool IstBetrieblich(std::int32_t kontenplan_nr, std::string_view name);
bool IstNeutral(std::int32_t kontenplan_nr, std::string_view name);

} // namespace saldino::masterdata
