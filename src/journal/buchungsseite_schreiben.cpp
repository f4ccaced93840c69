// The booking page's commands that write the journal: "Ändern", "Buchen",
// "Löschen", and the guard that keeps "Ändern" from writing a form of a
// journal replaced since.
#include "journal/buchungsseite.h"

#include "backup/verlauf.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <QToolButton>

#include <algorithm>

namespace saldino::journal {

void BuchungsSeite::journalstand_merken() {
    journalstand_ = runtime::stand_von(journaldatei);
}

bool BuchungsSeite::journal_ersetzt() const {
    const runtime::Dateistand jetzt = runtime::stand_von(journaldatei);
    return jetzt.vorhanden != journalstand_.vorhanden || jetzt.groesse != journalstand_.groesse ||
           jetzt.zeit != journalstand_.zeit;
}

void BuchungsSeite::SpeedButton28Click() {
    // A form filled from a journal that has since been replaced (a backup
    // loaded, another program) would overwrite a booking of the new one.
    if (journal_ersetzt()) {
        programm_.anzahl_buchungen = zaehle_buchungen();
        programm_.aktuelle_buchung =
            std::min(programm_.aktuelle_buchung, programm_.anzahl_buchungen);
        buchung_anzeigen(programm_.aktuelle_buchung);
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::journal_ersetzt));
        return;
    }
    if (!programm_.dialoge().frage(
            QStringLiteral("Möchtest du den Buchungssatz wirklich ändern?"))) {
        return;
    }
    zaehle_buchungen(); // a missing journal ends the command before the form is looked at
    if (!buchungssatz_uebernehmen()) {
        return;
    }
    buchung_.Nr = programm_.aktuelle_buchung - 1;
    if (programm_.aktuelle_buchung > 0) {
        auto aenderung = backup::Aenderung::aendern(
            programm_.aktuelle_buchung, "Buchung " + std::to_string(programm_.aktuelle_buchung) +
                                            runtime::utf8_nach_cp1252(" geändert"));
        buchung_ueberschreiben(programm_.aktuelle_buchung, buchung_);
        aenderung.festhalten();
    }
    journalstand_merken();
    programm_.position_schreiben();
}

void BuchungsSeite::SpeedButton29Click() {
    if (!buchungssatz_uebernehmen()) {
        return;
    }
    auto aenderung = backup::Aenderung::anhaengen(
        "Buchung " + std::to_string(programm_.anzahl_buchungen + 1) + " gebucht");
    programm_.anzahl_buchungen = buchung_anhaengen(buchung_);
    aenderung.festhalten();
    programm_.aktuelle_buchung = programm_.anzahl_buchungen;
    journalstand_merken();
    programm_.position_schreiben();
    zustand_anzeigen();
}

void BuchungsSeite::SpeedButton36Click() {
    if (neueingabe() || programm_.aktuelle_buchung <= 0) {
        return;
    }
    if (!programm_.dialoge().frage(
            QStringLiteral("Möchtest du den Buchungssatz wirklich löschen?"))) {
        return;
    }
    {
        auto aenderung =
            backup::Aenderung::ersetzen(true, false,
                                        "Buchung " + std::to_string(programm_.aktuelle_buchung) +
                                            runtime::utf8_nach_cp1252(" gelöscht"));
        const auto fortschritt =
            programm_.dialoge().fortschritt(QStringLiteral("Die Buchung wird gelöscht …"));
        loesche_buchung(programm_.aktuelle_buchung,
                        [&](std::int64_t erledigt, std::int64_t gesamt) {
                            fortschritt->melde(erledigt, gesamt);
                        });
        aenderung.festhalten();
    }
    programm_.anzahl_buchungen -= 1;
    programm_.aktuelle_buchung = std::min(programm_.aktuelle_buchung, programm_.anzahl_buchungen);
    programm_.position_schreiben();
    if (programm_.aktuelle_buchung > 0) {
        buchung_anzeigen(programm_.aktuelle_buchung);
    } else {
        buchungsformular_loeschen();
    }
}

} // namespace saldino::journal
