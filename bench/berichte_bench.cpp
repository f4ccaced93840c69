// The reports against one plain sequential read of the same journal file.
// Run: build-test/bench/saldino_bench
#include "journal_generator.h"

#include "journal/buchung.h"
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
void in_arbeitsverzeichnis(int buchungen) {
    static std::map<int, fs::path> verzeichnisse;
    auto& ort = verzeichnisse[buchungen];
    if (ort.empty()) {
        ort = bench::erzeuge_arbeitsverzeichnis(buchungen);
    }
    fs::current_path(ort);
}

void Lesen(benchmark::State& state) {
    in_arbeitsverzeichnis(static_cast<int>(state.range(0)));
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

void Bilanz(benchmark::State& state) {
    in_arbeitsverzeichnis(static_cast<int>(state.range(0)));
    reports::Berichtsdaten daten;
    daten.kontenplan_nr = 1;
    for (auto _ : state) {
        std::size_t zeichen = 0;
        reports::bilanz(daten, [&zeichen](std::string_view zeile) { zeichen += zeile.size() + 1; });
        benchmark::DoNotOptimize(zeichen);
    }
}

void Betriebsergebnis(benchmark::State& state) {
    in_arbeitsverzeichnis(static_cast<int>(state.range(0)));
    reports::Berichtsdaten daten;
    daten.kontenplan_nr = 1;
    for (auto _ : state) {
        std::size_t zeichen = 0;
        reports::betriebsergebnis(
            daten, [&zeichen](std::string_view zeile) { zeichen += zeile.size() + 1; });
        benchmark::DoNotOptimize(zeichen);
    }
}

// The sheet of one of the 99 accounts.
void Kontenblatt(benchmark::State& state) {
    in_arbeitsverzeichnis(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t zeichen = 0;
        reports::kontenblatt("Aktivkonto 7",
                             [&zeichen](std::string_view zeile) { zeichen += zeile.size() + 1; });
        benchmark::DoNotOptimize(zeichen);
    }
}

void Journal(benchmark::State& state) {
    in_arbeitsverzeichnis(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t zeichen = 0;
        reports::journalliste([&zeichen](std::string_view zeile) { zeichen += zeile.size() + 1; });
        benchmark::DoNotOptimize(zeichen);
    }
}

} // namespace

BENCHMARK(Lesen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Bilanz)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Betriebsergebnis)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Kontenblatt)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Journal)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
