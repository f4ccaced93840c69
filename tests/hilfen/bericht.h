#pragma once

#include "journal/buchung.h"
#include "reports/spalten.h"
#include "runtime/text.h"

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

namespace saldino::test {

// The lines a report hands to its sink, as UTF-8 text with "\n" after each.
template <typename Bericht> std::string text_von(Bericht bericht) {
    std::string text;
    const reports::Zeilenziel ziel = [&text](std::string_view zeile) {
        text += runtime::cp1252_nach_utf8(zeile);
        text += '\n';
    };
    bericht(ziel);
    return text;
}

// One line of a booking: account (UTF-8), debit, credit.
using Buchungszeile = std::tuple<std::string, double, double>;

// Appends a booking to the journal of the working directory.
inline void buche(std::initializer_list<Buchungszeile> zeilen, const std::string& grund = "",
                  const std::string& datum = "01.01.2004", const std::string& person = "") {
    journal::journal_sichern();
    journal::TBuchung b;
    b.Datum = datum;
    b.Person = runtime::utf8_nach_cp1252(person);
    b.Grund = runtime::utf8_nach_cp1252(grund);
    std::size_t i = 0;
    for (const auto& [konto, soll, haben] : zeilen) {
        b.Konto[i] = runtime::utf8_nach_cp1252(konto);
        b.Soll[i] = soll;
        b.Haben[i] = haben;
        ++i;
    }
    journal::buchung_anhaengen(b);
}

// Lines of the balance sheet and the operating result as the tests expect
// them, each with its "\n": the separator, an account line (name padded to
// 35, amount to 10) and a labelled amount line ending in column 45.
inline const std::string strich = "---------------------------------------------\n";

inline std::string konto(const std::string& name, const std::string& betrag) {
    return name + std::string(35 - name.size(), ' ') + std::string(10 - betrag.size(), ' ') +
           betrag + "\n";
}

inline std::string summe(const std::string& label, const std::string& betrag) {
    return label + std::string(45 - label.size() - betrag.size(), ' ') + betrag + "\n";
}

} // namespace saldino::test
