#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

// What "Prüfen" says about the bookings that match no booking of the
// solution exactly: which pupil booking was meant for which solution booking,
// and what is wrong with it.
namespace saldino::backup {

// A booking as the check names it: its 1-based position in its journal, date and reason.
struct GepruefteBuchung {
    std::int32_t nummer = 0;
    std::string datum;
    std::string grund;
};

// One used line of a booking: its account and its two amount texts ("0,00"
// for none).
struct Buchungszeile {
    std::string konto;
    std::string soll;
    std::string haben;

    // Ordered by account, then debit, then credit text. Written out, as the
    // C++ library of the WebAssembly build has no defaulted <=> for strings.
    bool operator==(const Buchungszeile& andere) const {
        return konto == andere.konto && soll == andere.soll && haben == andere.haben;
    }
    bool operator<(const Buchungszeile& andere) const {
        if (konto != andere.konto) {
            return konto < andere.konto;
        }
        return soll != andere.soll ? soll < andere.soll : haben < andere.haben;
    }
};

// The texts `teil` gives the lines, sorted, each followed by a line end: a
// picture of a booking whatever the order of its lines.
std::string zeilenbild(const std::vector<Buchungszeile>& zeilen,
                       std::string (*teil)(const Buchungszeile&));

// A booking with its used lines in line order.
struct VerglicheneBuchung {
    GepruefteBuchung kopf;
    std::vector<Buchungszeile> zeilen;
};

enum class Befundart {
    datum_weicht_ab, // matched; only the date differs, which is no mistake
    vertauscht,
    falsches_konto,
    falscher_betrag,
    aufgeteilt, // several bookings together give the solution booking
    zeilenzahl, // one line missing or one too many
    fehlt,
};

// One line of the diagnosis, about one solution booking.
struct Befund {
    Befundart art = Befundart::fehlt;
    GepruefteBuchung loesung;
    std::vector<std::int32_t> buchungen; // the pupil bookings concerned, by number
    std::string text;                    // what is wrong (Windows-1252)
};

// Whether a booking could be explained by one of the solution's bookings at
// all: it has the accounts or the amounts of one, or only accounts and sides
// the solution uses. The check keeps the lines of those bookings only.
class Loesungsnaehe {
public:
    explicit Loesungsnaehe(const std::vector<VerglicheneBuchung>& loesung);
    bool koennte_passen(const std::vector<Buchungszeile>& zeilen) const;

private:
    std::set<std::string, std::less<>> konten_;
    std::set<std::string, std::less<>> betraege_;
    std::set<std::pair<std::string, char>, std::less<>> seiten_;
};

struct Zuordnung {
    std::vector<Befund> befunde;                // in the order of `fehlend`
    std::vector<GepruefteBuchung> ueberzaehlig; // bookings nothing was found for
};

// Explains the solution bookings no booking matched (`fehlend`, in solution
// order) by the bookings that matched none (`uebrig`, in journal order).
// First, several bookings whose lines add up to one solution booking are
// taken as that booking split up. Then each remaining booking is paired with
// the solution booking it is closest to, at most once each: debit and credit
// exchanged, then one account wrong, then amounts wrong, then exchanged with
// wrong amounts, then several accounts wrong; a pair with the same date
// before one without, then solution order, then journal order. What is left
// is missing or not provided for.
Zuordnung ordne_zu(const std::vector<VerglicheneBuchung>& fehlend,
                   const std::vector<VerglicheneBuchung>& uebrig);

} // namespace saldino::backup
