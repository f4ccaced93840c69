// The teacher's commands of the exercise page: writing an exercise and
// saving the journal as its solution.
#include "backup/aufgabenseite.h"

#include "backup/aufgaben.h"
#include "backup/pruefung.h"
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
    // The exercise open now, or the first free number for a new one.
    const int vorgabe = letzte_aufgabe_ != 0 ? letzte_aufgabe_ : freie_aufgabennummer();
    gui::Aufgabenformular formular{vorgabe, {}, {}};
    if (vorgabe != 0 && runtime::existiert(aufgabenpfad(titeldatei(vorgabe)))) {
        const Aufgabentext alt = lies_aufgabe(vorgabe);
        formular.titel = QString::fromStdString(alt.titel);
        QStringList punkte;
        for (const std::string& punkt : alt.punkte) {
            punkte.append(QString::fromStdString(punkt));
        }
        formular.punkte = punkte.join(u'\n');
    }
    for (;;) {
        if (!programm_.dialoge().aufgabe_bearbeiten(formular)) {
            return;
        }
        Aufgabentext aufgabe{formular.titel.trimmed().toStdString(), {}};
        for (const QString& punkt : formular.punkte.split(u'\n')) {
            aufgabe.punkte.push_back(punkt.toStdString());
        }
        while (!aufgabe.punkte.empty() && aufgabe.punkte.back().empty()) {
            aufgabe.punkte.pop_back();
        }
        if (const auto fehler = aufgabe_pruefen(aufgabe)) {
            programm_.dialoge().meldung(gui::aus_utf8(*fehler));
            continue;
        }
        // Another exercise than the one opened is replaced only when asked.
        if (formular.nummer != vorgabe &&
            runtime::existiert(aufgabenpfad(titeldatei(formular.nummer))) &&
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
    if (letzte_aufgabe_ == 0) {
        dialoge.meldung(gui::aus_utf8(runtime::meldungen::zuerst_aufgabe_waehlen));
        return;
    }
    if (programm_.kontenplan_nr == 0) {
        dialoge.meldung(gui::aus_utf8(runtime::meldungen::kein_kontenplan));
        return;
    }
    runtime::wechsle_verzeichnis(programm_.startverzeichnis.string());
    std::vector<std::string> liste;
    try {
        liste = lies_aufgabenliste(letzte_aufgabe_);
    } catch (const runtime::Laufzeitfehler&) {
    }
    const std::string datei = aufgabenziel(loesungsdatei(letzte_aufgabe_));
    const QString text = gui::aus_utf8(loesungsfrage(letzte_aufgabe_, datei,
                                                     kennzahlen(programm_.kontenplan_nr, liste),
                                                     runtime::existiert(datei)));
    if (!dialoge.frage(text)) {
        return;
    }
    if (schreibe_sicherung(datei, programm_.einstellungen().firma, programm_.kontenplan_nr)) {
        dialoge.meldung(gui::aus_utf8(runtime::meldungen::senkrechter_strich));
    }
}

} // namespace saldino::backup
