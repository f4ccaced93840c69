// How long each page of the window takes to show, from the command until its
// text is set and painted, on journals of 1 000 and 100 000 bookings (the
// journal page also on 1 000 000); scrolling the journal listing to its end;
// saving the journal of 1 000 bookings as PDF. Drives TForm1 offscreen.
// Run: build-test/bench/saldino_seiten_bench
#include "journal_generator.h"

#include "app/tform1.h"
#include "gui/berichtsansicht.h"
#include "gui/berichtsdruck.h"
#include "gui/dialoge.h"
#include "journal/buchungsseite.h"
#include "journal/eroeffnungsseite.h"
#include "masterdata/firmenseite.h"
#include "masterdata/kontenplanseite.h"
#include "reports/berichtsseite.h"
#include "reports/kontenblattseite.h"

#include <QApplication>
#include <QBuffer>
#include <QListWidget>
#include <QPdfWriter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

namespace {

namespace fs = std::filesystem;
using namespace saldino;

gui::StummeDialoge dialoge;
// Destroyed before the application object.
std::map<int, std::unique_ptr<app::TForm1>> alle_fenster;

// One window per journal size, started in its generated working directory.
app::TForm1& fenster(int buchungen) {
    auto& form = alle_fenster[buchungen];
    if (!form) {
        const fs::path ort = bench::erzeuge_arbeitsverzeichnis(buchungen);
        // The supplied files a first start needs, but the generated chart and settings.
        for (const auto& datei : fs::directory_iterator(SALDINO_DATA_DIR)) {
            if (datei.is_regular_file() && !fs::exists(ort / datei.path().filename())) {
                fs::copy_file(datei.path(), ort / datei.path().filename());
            }
        }
        fs::current_path(ort);
        form = std::make_unique<app::TForm1>(dialoge);
        form->show();
        QApplication::processEvents();
    }
    fs::current_path(form->startverzeichnis);
    return *form;
}

// Shows `seite` coming from another page, as its left-panel command does,
// then runs `danach` (a pick on the page) before the events are processed.
template <typename Seite>
void zeige(benchmark::State& state, Seite* app::TForm1::*seite,
           const std::function<void(app::TForm1&)>& danach = {}) {
    app::TForm1& form = fenster(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        form.seite_zeigen(form.TabSheet2);
        QApplication::processEvents();
        state.ResumeTiming();
        form.seite_zeigen(form.*seite);
        if (danach) {
            danach(form);
        }
        QApplication::processEvents();
    }
}

void Eroeffnungsbuchungen(benchmark::State& state) {
    zeige(state, &app::TForm1::TabSheet3);
}
void Buchungen(benchmark::State& state) {
    zeige(state, &app::TForm1::TabSheet4);
}
void BilanzUndGuV(benchmark::State& state) {
    zeige(state, &app::TForm1::TabSheet5);
}
void Journal(benchmark::State& state) {
    zeige(state, &app::TForm1::TabSheet6);
}
void Betriebsergebnis(benchmark::State& state) {
    zeige(state, &app::TForm1::TabSheet11);
}
void Kontenplan(benchmark::State& state) {
    zeige(state, &app::TForm1::TabSheet9);
}

// The account-sheet page and then the sheet of one account picked from its list.
void Kontenblaetter(benchmark::State& state) {
    zeige(state, &app::TForm1::TabSheet10,
          [](app::TForm1& form) { form.TabSheet10->ListBox1->setCurrentRow(7); });
}

// The journal page shown, then Ctrl+End: the last screenful drawn.
void JournalBisZumEnde(benchmark::State& state) {
    app::TForm1& form = fenster(static_cast<int>(state.range(0)));
    form.seite_zeigen(form.TabSheet2);
    QApplication::processEvents();
    form.seite_zeigen(form.TabSheet6);
    QApplication::processEvents();
    gui::Berichtsansicht& ansicht = *form.TabSheet6->Memo;
    for (auto _ : state) {
        state.PauseTiming();
        ansicht.verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        state.ResumeTiming();
        ansicht.bewege_zum_ende();
        ansicht.viewport()->repaint();
    }
}

// The journal listing of the window's journal written as a PDF into memory.
void JournalAlsPdf(benchmark::State& state) {
    app::TForm1& form = fenster(static_cast<int>(state.range(0)));
    form.seite_zeigen(form.TabSheet2);
    QApplication::processEvents();
    form.seite_zeigen(form.TabSheet6);
    QApplication::processEvents();
    for (auto _ : state) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        gui::drucke(pdf, form.TabSheet6->Memo->druckkopf(), form.TabSheet6->Memo->quelle());
        benchmark::DoNotOptimize(puffer.data().size());
    }
}

void groessen(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void groessen_journal(benchmark::internal::Benchmark* b) {
    groessen(b);
    b->Arg(1000000);
}

} // namespace

BENCHMARK(Eroeffnungsbuchungen)->Apply(groessen);
BENCHMARK(Buchungen)->Apply(groessen);
BENCHMARK(BilanzUndGuV)->Apply(groessen);
BENCHMARK(Betriebsergebnis)->Apply(groessen);
BENCHMARK(Journal)->Apply(groessen_journal);
BENCHMARK(JournalBisZumEnde)->Apply(groessen_journal);
BENCHMARK(JournalAlsPdf)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Kontenblaetter)->Apply(groessen);
BENCHMARK(Kontenplan)->Apply(groessen);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    alle_fenster.clear();
    return 0;
}
