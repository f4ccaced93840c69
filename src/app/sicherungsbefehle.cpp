// "Alles Speichern" and "Sicherung laden!", the two backup commands of the
// left panel.
#include "app/tform1.h"
#include "backup/programmdateien.h"
#include "backup/sicherung.h"
#include "backup/verlauf.h"
#include "gui/dialoge.h"
#include "gui/qtext.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/firmenseite.h"
#include "masterdata/kontenplanseite.h"
#include "runtime/dateien.h"
#include "runtime/meldungen.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStackedWidget>

namespace saldino::app {

namespace {

const QString sdn_filter = QStringLiteral("Saldino-Dateien (*.sdn)");

std::string dateiname(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

} // namespace

void TForm1::SpeedButton30Click() {
    QString vorschlag = letzte_sicherung_;
    if (vorschlag.isEmpty()) {
        vorschlag = gui::als_qstring(backup::sicherungsname(einstellungen().firma[0]));
    }
    QString datei;
    // Pupils save into one hand-in folder: another's backup is replaced only when asked.
    for (;;) {
        datei = dialoge_.datei_speichern({QStringLiteral("Aktuellen Stand zwischenspeichern"),
                                          vorschlag, sdn_filter, QStringLiteral("sdn")});
        if (datei.isEmpty()) {
            return;
        }
        // The dialog may have changed the working directory; the journal lies in the first one.
        runtime::wechsle_verzeichnis(startverzeichnis.string());
        // Neither a file of the program nor any other file but a backup is overwritten.
        if (!backup::darf_sicherung_schreiben(dateiname(datei), startverzeichnis.string())) {
            dialoge_.meldung(
                gui::aus_utf8(runtime::meldungen::gehoert_zum_programm(datei.toStdString())));
            return;
        }
        if (!runtime::existiert(dateiname(datei)) ||
            dialoge_.frage(gui::aus_utf8(
                runtime::meldungen::datei_ersetzen(QFileInfo(datei).fileName().toStdString())))) {
            break;
        }
        vorschlag = datei;
    }
    letzte_sicherung_ = datei;
    if (backup::schreibe_sicherung(dateiname(datei), einstellungen().firma, kontenplan_nr)) {
        dialoge_.meldung(gui::aus_utf8(runtime::meldungen::senkrechter_strich));
    }
}

void TForm1::SpeedButton33Click() {
    const QString datei = dialoge_.datei_oeffnen(
        {QStringLiteral("Sicherung laden"), QString(), sdn_filter, QString()});
    if (datei.isEmpty()) {
        return;
    }
    if (!dialoge_.frage(QStringLiteral(
            "Alle aktuellen Daten (Firmendaten, Kontenplan und Buchungen) werden durch "
            "die Sicherung ersetzt! Fortfahren?"))) {
        return;
    }
    runtime::wechsle_verzeichnis(startverzeichnis.string());
    masterdata::Einstellungen werte = einstellungen();
    auto aenderung = backup::Aenderung::ersetzen(
        true, true,
        gui::als_cp1252(QStringLiteral("Sicherung „%1“ geladen").arg(QFileInfo(datei).fileName())));
    const auto fortschritt = dialoge_.fortschritt(QStringLiteral("Die Sicherung wird geladen …"));
    const backup::GeladeneSicherung geladen = backup::lade_sicherung(
        dateiname(datei), werte,
        [&](std::int64_t erledigt, std::int64_t gesamt) { fortschritt->melde(erledigt, gesamt); });
    if (geladen.ungueltige_zeile != 0) {
        dialoge_.meldung(gui::aus_utf8(
            runtime::meldungen::keine_sicherung(datei.toStdString(), geladen.ungueltige_zeile)));
        return;
    }
    aenderung.festhalten();
    werte.firma = geladen.firma;
    werte.kontenplan_index = geladen.kontenplan_nr - 1;
    TabSheet2->zeige(werte);
    TabSheet7->zeige(werte);
    kontenplan_nr = geladen.kontenplan_nr;
    anzahl_buchungen = geladen.buchungen;
    aktuelle_buchung = geladen.buchungen;
    position_schreiben();
    TabSheet9->geladenen_kontenplan_zeigen();
    // The page shown shows the loaded journal at once (the booking page its
    // last booking), not what was there before.
    seitenwechsel(PageControl1->currentIndex());
    if (!geladen.nicht_sicher.empty()) {
        dialoge_.meldung(gui::als_qstring(geladen.nicht_sicher));
    }
}

} // namespace saldino::app
