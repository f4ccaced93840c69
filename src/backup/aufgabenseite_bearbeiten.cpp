// The teacher's commands of the exercise page: writing an exercise and
// saving the journal as its solution.
#include "backup/aufgabenseite.h"

#include "backup/aufgabenbefehle.h"
#include "backup/sicherung.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <QLabel>
#include <QStringList>

namespace saldino::backup {

namespace {

bool lehrkraft(gui::Programm& programm) {
    if (masterdata::ist_zugangswort(gui::als_cp1252(programm.firmenname()))) {
        return true;
    }
    programm.dialoge().meldung(gui::aus_utf8(runtime::meldungen::keine_berechtigung));
    return false;
}

} // namespace

void AufgabenSeite::titel_lesen() {
    for (const int n : nummern_) {
        try {
            titel_setzen(n, gui::als_qstring(lies_aufgabentitel(n)));
        } catch (const runtime::Laufzeitfehler&) {
        }
    }
}

void AufgabenSeite::AufgabeBearbeitenClick() {
    if (!lehrkraft(programm_)) {
        return;
    }
    // A file dialog may have changed the working directory.
    runtime::wechsle_verzeichnis(programm_.startverzeichnis.string());
    const Aufgabenvorgabe vorgabe = aufgabenvorgabe(letzte_aufgabe_);
    QStringList punkte;
    for (const std::string& punkt : vorgabe.aufgabe.punkte) {
        punkte.append(QString::fromStdString(punkt));
    }
    gui::Aufgabenformular formular{vorgabe.nummer, QString::fromStdString(vorgabe.aufgabe.titel),
                                   punkte.join(u'\n')};
    for (;;) {
        if (!programm_.dialoge().aufgabe_bearbeiten(formular)) {
            return;
        }
        const Aufgabentext aufgabe{formular.titel.trimmed().toStdString(),
                                   aufgabenpunkte(formular.punkte.toStdString())};
        if (const auto fehler = aufgabe_pruefen(aufgabe)) {
            programm_.dialoge().meldung(gui::aus_utf8(*fehler));
            continue;
        }
        if (ersetzt_andere_aufgabe(formular.nummer, vorgabe.nummer) &&
            !programm_.dialoge().frage(
                gui::aus_utf8(runtime::meldungen::datei_ersetzen(titeldatei(formular.nummer))))) {
            continue;
        }
        schreibe_aufgabe(formular.nummer, aufgabe);
        break;
    }
    programm_.aufgaben_neu_lesen();
    aufgabe_oeffnen(formular.nummer);
}

void AufgabenSeite::AlsLoesungSpeichernClick() {
    if (!lehrkraft(programm_)) {
        return;
    }
    gui::Dialoge& dialoge = programm_.dialoge();
    runtime::wechsle_verzeichnis(programm_.startverzeichnis.string());
    const Loesungsvorhaben vorhaben = loesungsvorhaben(letzte_aufgabe_, programm_.kontenplan_nr);
    if (!vorhaben.meldung.empty()) {
        dialoge.meldung(gui::aus_utf8(vorhaben.meldung));
        return;
    }
    if (!dialoge.frage(gui::aus_utf8(vorhaben.frage))) {
        return;
    }
    if (schreibe_sicherung(vorhaben.datei, programm_.einstellungen().firma,
                           programm_.kontenplan_nr)) {
        dialoge.meldung(gui::aus_utf8(runtime::meldungen::senkrechter_strich));
    }
}

} // namespace saldino::backup
