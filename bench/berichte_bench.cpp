// Every command that reads the journal, against one plain sequential read of
// the same journal file, on generated journals of 1 000 to 1 000 000 bookings.
// Run: build-test/bench/saldino_bench   (see bench/README.md)
#include "journal_generator.h"

#include "backup/sicherung.h"
#include "backup/verlauf.h"
#include "journal/buchung.h"
#include "journal/eroeffnung.h"
#include "masterdata/kontenplan.h"
#include "reports/betriebsergebnis.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"
#include "reports/kontenblatt.h"
#include "runtime/dateien.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace saldino;

// Generated once per size, then reused by every benchmark of that size.
fs::path arbeitsverzeichnis(int buchungen) {
    static std::map<int, fs::path> verzeichnisse;
    auto& ort = verzeichnisse[buchungen];
    if (ort.empty()) {
        ort = bench::erzeuge_arbeitsverzeichnis(buchungen);
    }
    fs::current_path(ort);
    return ort;
}

int groesse(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

// Counts what a report hands out instead of keeping it.
struct Zaehler {
    std::size_t zeichen = 0;
    void operator()(std::string_view zeile) { zeichen += zeile.size() + 1; }
};

void Lesen(benchmark::State& state) {
    arbeitsverzeichnis(groesse(state));
    std::vector<char> puffer(1 << 16);
    for (auto _ : state) {
        runtime::Datei datei(journal::journaldatei, runtime::Datei::Zugriff::lesen);
        std::int64_t position = 0;
        std::size_t summe = 0;
        for (std::size_t n; (n = datei.lies(position, puffer.data(), puffer.size())) > 0;) {
            summe += static_cast<unsigned char>(puffer[n - 1]);
            position += static_cast<std::int64_t>(n);
        }
        benchmark::DoNotOptimize(summe);
    }
}

reports::Berichtsdaten daten() {
    reports::Berichtsdaten d;
    d.kontenplan_nr = 1;
    return d;
}

void Bilanz(benchmark::State& state) {
    arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        Zaehler zaehler;
        reports::bilanz(daten(), std::ref(zaehler));
        benchmark::DoNotOptimize(zaehler.zeichen);
    }
}

void Betriebsergebnis(benchmark::State& state) {
    arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        Zaehler zaehler;
        reports::betriebsergebnis(daten(), std::ref(zaehler));
        benchmark::DoNotOptimize(zaehler.zeichen);
    }
}

// The sheet of one of the 99 accounts.
void Kontenblatt(benchmark::State& state) {
    arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        Zaehler zaehler;
        reports::kontenblatt("Aktivkonto 7", std::ref(zaehler), 2004);
        benchmark::DoNotOptimize(zaehler.zeichen);
    }
}

void Journal(benchmark::State& state) {
    arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        Zaehler zaehler;
        reports::journalliste(std::ref(zaehler));
        benchmark::DoNotOptimize(zaehler.zeichen);
    }
}

// What TabSheet3Show reads: the chart and the opening amounts.
void Eroeffnungsseite(benchmark::State& state) {
    arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        const masterdata::Kontenplan plan(1);
        benchmark::DoNotOptimize(journal::eroeffnungsbetraege(plan.konten()));
    }
}

// Start-up counting and the booking page showing the last booking.
void ZaehlenUndAnzeigen(benchmark::State& state) {
    arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        const std::int32_t anzahl = journal::zaehle_buchungen();
        benchmark::DoNotOptimize(journal::lies_buchung(anzahl));
    }
}

void Sichern(benchmark::State& state) {
    const fs::path ort = arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        backup::schreibe_sicherung((ort / "bench.sdn").string(), {"Bench GmbH"}, 1);
    }
}

// Loads the backup written by Sichern back into a copy of the directory.
void Laden(benchmark::State& state) {
    const fs::path ort = arbeitsverzeichnis(groesse(state));
    const fs::path datei = ort / "bench.sdn";
    if (!fs::exists(datei)) {
        backup::schreibe_sicherung(datei.string(), {"Bench GmbH"}, 1);
    }
    const fs::path kopie = ort / "laden";
    fs::create_directories(kopie);
    fs::current_path(kopie);
    for (auto _ : state) {
        benchmark::DoNotOptimize(backup::lade_sicherung(datei.string(), {}));
    }
}

// "Kontenplan" empties the journal; the copy is restored between runs.
void Leeren(benchmark::State& state) {
    const fs::path ort = arbeitsverzeichnis(groesse(state));
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(ort / journal::journaldatei, ort / "kopie.dat",
                      fs::copy_options::overwrite_existing);
        fs::current_path(ort);
        state.ResumeTiming();
        journal::journal_leeren();
        state.PauseTiming();
        fs::rename(ort / "kopie.dat", ort / journal::journaldatei);
        state.ResumeTiming();
    }
}

// Deletes the first booking of a copy of the journal.
void Loeschen(benchmark::State& state) {
    const fs::path ort = arbeitsverzeichnis(groesse(state));
    const fs::path kopie = ort / "loeschen";
    fs::create_directories(kopie);
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(ort / journal::journaldatei, kopie / journal::journaldatei,
                      fs::copy_options::overwrite_existing);
        fs::current_path(kopie);
        state.ResumeTiming();
        journal::loesche_buchung(1);
    }
}

// Appends one booking and waits for the disk, as "&Buchen" does.
void Anhaengen(benchmark::State& state) {
    const fs::path ort = arbeitsverzeichnis(groesse(state));
    const fs::path kopie = ort / "anhaengen";
    fs::create_directories(kopie);
    fs::copy_file(ort / journal::journaldatei, kopie / journal::journaldatei,
                  fs::copy_options::overwrite_existing);
    fs::current_path(kopie);
    journal::TBuchung buchung;
    buchung.Konto = {"Kasse", "Bank", "", "", ""};
    buchung.Soll[0] = buchung.Haben[1] = 10;
    for (auto _ : state) {
        journal::buchung_anhaengen(buchung);
    }
}

// Takes back a chart change (the journal emptied) in a directory that holds
// the generated journal under a second name: the step renames the old
// journal back into place. Making it again between the runs is not timed.
void RueckgaengigKontenplanwechsel(benchmark::State& state) {
    const fs::path ort = arbeitsverzeichnis(groesse(state));
    const fs::path kopie = ort / "verlauf";
    fs::remove_all(kopie);
    fs::create_directories(kopie);
    fs::create_hard_link(ort / journal::journaldatei, kopie / journal::journaldatei);
    fs::copy_file(ort / "einstellungen.txt", kopie / "einstellungen.txt");
    fs::current_path(kopie);
    {
        auto aenderung = backup::Aenderung::ersetzen(true, true, "Kontenplan gewechselt", true);
        journal::journal_leeren();
        aenderung.festhalten();
    }
    for (auto _ : state) {
        if (!backup::rueckgaengig()) {
            state.SkipWithError("nichts rückgängig zu machen");
            break;
        }
        state.PauseTiming();
        backup::wiederholen();
        state.ResumeTiming();
    }
}

void groessen(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(Lesen)->Apply(groessen);
BENCHMARK(Bilanz)->Apply(groessen);
BENCHMARK(Betriebsergebnis)->Apply(groessen);
BENCHMARK(Kontenblatt)->Apply(groessen);
BENCHMARK(Journal)->Apply(groessen);
BENCHMARK(Eroeffnungsseite)->Apply(groessen);
BENCHMARK(ZaehlenUndAnzeigen)->Apply(groessen);
BENCHMARK(Sichern)->Apply(groessen);
BENCHMARK(Laden)->Apply(groessen);
BENCHMARK(Leeren)->Apply(groessen);
BENCHMARK(Loeschen)->Apply(groessen);
BENCHMARK(Anhaengen)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(RueckgaengigKontenplanwechsel)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
