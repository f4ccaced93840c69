#include "app/anleitung.h"
#include "app/anwendung.h"
#include "app/start.h"
#include "app/tform1.h"
#include "backup/programmdateien.h"
#include "backup/verlauf.h"
#include "gui/berichtszoom.h"
#include "gui/dialoge.h"
#include "gui/qtext.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/sperre.h"
#include "runtime/text.h"

#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace saldino;

// The boxes of a start checked without a user: each is recorded and
// answered No, so that the start ends instead of waiting.
class Pruefdialoge : public gui::StummeDialoge {
public:
    void meldung(const QString& text) override { boxen.append(text); }
    void fehler(const QString& text) override { boxen.append(text); }
    bool frage(const QString& text) override {
        boxen.append(text);
        return false;
    }
    QStringList boxen;
};

// The supplied files of the program, and the pupils' manual where a build
// put it; then the working directory made the current one.
void vorbereiten(const std::filesystem::path& verzeichnis) {
    backup::arbeitsverzeichnis_vorbereiten(verzeichnis, app::programmdatenordner(),
                                           {std::filesystem::path(SALDINO_ANLEITUNG_BAU)});
    runtime::wechsle_verzeichnis(verzeichnis.string());
}

// The window's start in the working directory: the lock, what a crash left
// half done, the settings of the zoom, the window.
int starte(gui::Dialoge& dialoge, bool pruefstart) {
    // A second window on the same files would overwrite the first one's work.
    std::optional<runtime::Sperre> sperre;
    try {
        sperre = runtime::Sperre::versuche();
    } catch (const runtime::Laufzeitfehler& fehler) {
        dialoge.fehler(gui::als_qstring(fehler.meldung()));
        return 1;
    }
    if (!sperre) {
        dialoge.meldung(gui::als_qstring(runtime::laeuft_bereits()));
        return 1;
    }
    // What a crash left half done is finished, and its leftovers removed,
    // before the window reads anything.
    try {
        for (const std::string& hinweis : backup::unterbrochenes_beenden()) {
            dialoge.meldung(gui::als_qstring(hinweis));
        }
    } catch (const runtime::Laufzeitfehler& fehler) {
        dialoge.fehler(gui::als_qstring(fehler.meldung()));
    }
    if (!pruefstart) {
        // The pupil's zoom of the reports, kept from the last run.
        gui::Berichtszoom::instanz().datei_setzen(gui::Berichtszoom::standarddatei());
    }
    app::TForm1 Form1(dialoge);
    if (auto* qt = dynamic_cast<gui::QtDialoge*>(&dialoge)) {
        qt->setze_eltern(&Form1);
    }
    Form1.show();
    if (pruefstart) {
        QApplication::processEvents();
        return 0;
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // Help and version need no display; everything else is read after Qt
    // took its own options (-style, -platform, -reverse …).
    app::Startaufruf aufruf =
        app::lies_startaufruf(app::nur_hilfe_und_version({argv + 1, argv + argc}));
    std::optional<QApplication> anwendung;
    if (aufruf.art == app::Startaufruf::Art::starten) {
        anwendung.emplace(argc, argv);
        aufruf = app::lies_startaufruf({argv + 1, argv + argc});
    }
    switch (aufruf.art) {
    case app::Startaufruf::Art::hilfe:
        std::fputs(app::startaufruf_hilfe, stdout);
        return 0;
    case app::Startaufruf::Art::version:
        std::puts("saldino " SALDINO_VERSION);
        return 0;
    case app::Startaufruf::Art::falsch:
        std::fputs(app::startaufruf_hilfe, stderr);
        return 64;
    default:
        break;
    }
    app::anwendung_einrichten(*anwendung);
    if (aufruf.art == app::Startaufruf::Art::anleitung) {
        const std::filesystem::path pdf = app::programmanleitung();
        const QString grund = app::oeffne_und_warte(pdf);
        if (!grund.isEmpty()) {
            const std::string meldung = runtime::meldungen::anleitung_nicht_oeffnbar(
                runtime::name_nach_anzeige(pdf.string()), grund.toStdString());
            std::fprintf(stderr, "saldino: %s\n", meldung.c_str());
            return 1;
        }
        return 0;
    }
    gui::QtDialoge fenster_dialoge;
    Pruefdialoge pruef_dialoge;
    gui::Dialoge& dialoge =
        aufruf.pruefstart ? static_cast<gui::Dialoge&>(pruef_dialoge) : fenster_dialoge;
    int status = 1;
    try {
        vorbereiten(aufruf.verzeichnis.value_or(app::standardverzeichnis()));
        status = starte(dialoge, aufruf.pruefstart);
    } catch (const runtime::Laufzeitfehler& fehler) {
        dialoge.fehler(gui::als_qstring(fehler.meldung()));
    }
    if (aufruf.pruefstart) {
        for (const QString& box : pruef_dialoge.boxen) {
            std::fprintf(stderr, "saldino: %s\n", qPrintable(box));
        }
        return pruef_dialoge.boxen.isEmpty() ? status : 1;
    }
    return status;
}
