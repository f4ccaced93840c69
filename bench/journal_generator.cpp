#include "journal_generator.h"

#include "journal/buchung.h"
#include "runtime/dateien.h"

#include <random>
#include <string>

namespace saldino::bench {

namespace fs = std::filesystem;

fs::path erzeuge_arbeitsverzeichnis(int buchungen) {
    const fs::path ort = fs::temp_directory_path() / ("saldino-bench-" + std::to_string(buchungen));
    fs::create_directories(ort);
    const fs::path vorher = fs::current_path();
    fs::current_path(ort);

    // 30 assets, 20 liabilities, 25 expenses, 23 revenues, the opening account.
    std::string plan;
    std::vector<std::string> namen;
    const auto konto = [&](const std::string& name, const char* art) {
        namen.push_back(name);
        plan += name + art + "\r\n";
    };
    for (int i = 0; i < 30; ++i) {
        konto("Aktivkonto " + std::to_string(i), "<B> A  B");
    }
    for (int i = 0; i < 20; ++i) {
        konto("Passivkonto " + std::to_string(i), "<B> P  B");
    }
    for (int i = 0; i < 25; ++i) {
        konto("Aufwandskonto " + std::to_string(i), i % 5 == 0 ? "<G> A  N" : "<G> A  B");
    }
    for (int i = 0; i < 23; ++i) {
        konto("Ertragskonto " + std::to_string(i), i % 5 == 0 ? "<G> E  N" : "<G> E  B");
    }
    plan += "Er\xF6"
            "ffnungsbilanzkonto<B> A  B\r\n";
    runtime::ersetze_datei("Kontenplan1.txt", plan);
    runtime::ersetze_datei(
        "einstellungen.txt",
        "Bench GmbH\r\nWeg 1\r\n12345 Ort\r\n\r\n\r\n\r\nA\r\nB\r\ntrue\r\n0,00\r\nfalse\r\n"
        "2005\r\n\r\n\r\n\r\n\r\n0\r\n");

    std::mt19937 zufall(4711);
    std::uniform_int_distribution<std::size_t> welches(0, namen.size() - 1);
    std::uniform_int_distribution<int> cent(1, 500000);
    // Most bookings of a lesson have one debit and one credit line.
    std::uniform_int_distribution<int> zeilen(2, 5);
    std::uniform_int_distribution<int> wuerfel(1, 5);
    runtime::Ersatzdatei journal(journal::journaldatei);
    for (int nr = 0; nr < buchungen; ++nr) {
        journal::TBuchung b;
        b.Nr = nr;
        b.Datum = "15.06.2004";
        b.Person = "Lieferant " + std::to_string(nr % 97);
        b.Grund = "Rechnung " + std::to_string(nr);
        const int anzahl = wuerfel(zufall) <= 4 ? 2 : zeilen(zufall);
        double summe = 0;
        for (int i = 0; i + 1 < anzahl; ++i) {
            b.Konto[static_cast<std::size_t>(i)] = namen[welches(zufall)];
            b.Soll[static_cast<std::size_t>(i)] = cent(zufall) / 100.0;
            summe += b.Soll[static_cast<std::size_t>(i)];
        }
        b.Konto[static_cast<std::size_t>(anzahl - 1)] = namen[welches(zufall)];
        b.Haben[static_cast<std::size_t>(anzahl - 1)] = summe;
        const journal::Satz satz = journal::als_satz(b);
        journal.schreibe({reinterpret_cast<const char*>(satz.data()), satz.size()});
    }
    journal.fertigstellen();
    fs::current_path(vorher);
    return ort;
}

} // namespace saldino::bench
