#pragma once

#include "runtime/dateien.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The booking record and the journal file buchungen.dat: 528-byte records,
// little-endian, back to back, no header. Booking k (1-based, as the user sees
// it) is record k - 1 and carries Nr = k - 1.
namespace saldino::journal {

inline constexpr const char* journaldatei = "buchungen.dat";
inline constexpr std::size_t satzlaenge = 528;

// The booking page's limit of an amount: ten fields below it add up to a
// sum that is still exact to the cent.
inline constexpr double betragsgrenze = 1e15;

inline constexpr std::size_t datum_kapazitaet = 10;
inline constexpr std::size_t person_kapazitaet = 50;
inline constexpr std::size_t grund_kapazitaet = 50;
inline constexpr std::size_t konto_kapazitaet = 64;
inline constexpr std::size_t zeilen_je_buchung = 5;

struct TBuchung {
    std::int32_t Nr = 0;
    std::string Datum;
    std::string Person;
    std::string Grund;
    std::array<std::string, zeilen_je_buchung> Konto;
    std::array<double, zeilen_je_buchung> Soll{};
    std::array<double, zeilen_je_buchung> Haben{};

    bool operator==(const TBuchung&) const = default;
};

using Satz = std::array<unsigned char, satzlaenge>;

// The fields of a record as views, for building records without copying texts.
struct Satzfelder {
    std::int32_t Nr = 0;
    std::string_view Datum;
    std::string_view Person;
    std::string_view Grund;
    std::array<std::string_view, zeilen_je_buchung> Konto;
    std::array<double, zeilen_je_buchung> Soll{};
    std::array<double, zeilen_je_buchung> Haben{};
};

// Texts longer than their field are cut to its capacity; unused bytes are zero.
Satz als_satz(const Satzfelder& felder);
Satz als_satz(const TBuchung& buchung);

// Ignores the bytes after a string's length and the gap; a length byte above
// the field's capacity reads as the capacity.
TBuchung aus_satz(const Satz& satz);

// The record with another number, every other byte as it is.
Satz mit_nummer(Satz satz, std::int32_t nr);

// The fields of a record read in place, without copying its texts: what a
// report needs of each of a million records. Same rules as aus_satz.
class Satzansicht {
public:
    explicit Satzansicht(const Satz& satz) : satz_(satz) {}

    std::int32_t nr() const;
    std::string_view datum() const;
    std::string_view person() const;
    std::string_view grund() const;
    std::string_view konto(std::size_t zeile) const; // zeile 0 to 4
    double soll(std::size_t zeile) const;
    double haben(std::size_t zeile) const;

private:
    const Satz& satz_;
};

// Creates an empty journal when there is none.
void journal_sichern();

// The number of whole records; bytes after the last one do not count.
std::int32_t zaehle_buchungen();

// Booking k (1-based); "Versuch hinter dem Dateiende zu lesen" when there is none.
TBuchung lies_buchung(std::int32_t k);

// Writes the booking at the end of the journal with Nr = number of records
// before it. Returns the new number of records. A write that fails part-way
// is undone before the error is reported.
std::int32_t buchung_anhaengen(TBuchung& buchung);

// Overwrites booking k with Nr = k - 1. When the write fails the old record is
// written back, so a record is never half old, half new.
void buchung_ueberschreiben(std::int32_t k, TBuchung& buchung);

// Replaces the journal by an empty one; a failure leaves the old journal.
void journal_leeren();

// Deletes booking k by writing the journal without it into a temporary file
// that replaces buchungen.dat. Bookings after k move up and get their new
// position as Nr. A k outside 1 to the number of records changes nothing.
// The counters of the window are the caller's.
void loesche_buchung(std::int32_t k, const runtime::Fortschrittsmeldung& fortschritt = {});

// Reads the journal from the first record to the last, in blocks.
class Journalleser {
public:
    Journalleser();
    ~Journalleser();
    Journalleser(const Journalleser&) = delete;
    Journalleser& operator=(const Journalleser&) = delete;

    std::int32_t anzahl() const { return anzahl_; }

    // The next record as raw bytes, or nullptr after the last one.
    const Satz* naechster_satz();

    // The next booking; false after the last one.
    bool naechste(TBuchung& buchung);

private:
    struct Datei;
    std::unique_ptr<Datei> datei_;
    std::int32_t anzahl_ = 0;
    std::int32_t gelesen_ = 0;
    std::vector<Satz> block_;
    std::size_t im_block_ = 0;
};

} // namespace saldino::journal
