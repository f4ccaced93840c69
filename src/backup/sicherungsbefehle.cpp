// "Alles Speichern" and "Sicherung laden!", the two backup commands of the
// left panel.
#include "app/dialoge.h"
#include "app/qtext.h"
#include "app/tform1.h"
#include "backup/sicherung.h"
#include "journal/buchungsseite.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/firmenseite.h"
#include "masterdata/kontenplanseite.h"
#include "runtime/dateien.h"

#include <QFile>
#include <QLabel>

namespace saldino::app {

namespace {

const QString sdn_filter = QStringLiteral("Saldino-Dateien (*.sdn)");

std::string dateiname(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

} // namespace

void TForm1::SpeedButton30Click() {
    const QString datei = dialoge_.datei_speichern(
        {QStringLiteral("Aktuellen Stand zwischenspeichern"),
         letzte_sicherung_.isEmpty() ? QStringLiteral("sicherung") : letzte_sicherung_, sdn_filter,
         QStringLiteral("sdn")});
    if (datei.isEmpty()) {
        return;
    }
    letzte_sicherung_ = datei;
    // The dialog may have changed the working directory; the journal lies in the first one.
    runtime::wechsle_verzeichnis(startverzeichnis.string());
    if (backup::schreibe_sicherung(dateiname(datei), einstellungen().firma, kontenplan_nr)) {
        dialoge_.meldung(QStringLiteral("Achtung: Ein Text enthält das Zeichen |. Diese Sicherung "
                                        "kann nicht wieder geladen werden."));
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
    const backup::GeladeneSicherung geladen = backup::lade_sicherung(dateiname(datei), werte);
    if (geladen.ungueltige_zeile != 0) {
        dialoge_.meldung(
            QStringLiteral("Die Datei %1 ist keine gültige Saldino-Sicherung (Zeile %2).")
                .arg(datei)
                .arg(geladen.ungueltige_zeile));
        return;
    }
    werte.firma = geladen.firma;
    werte.kontenplan_index = geladen.kontenplan_nr - 1;
    TabSheet2->zeige(werte);
    TabSheet7->zeige(werte);
    kontenplan_nr = geladen.kontenplan_nr;
    anzahl_buchungen = geladen.buchungen;
    aktuelle_buchung = geladen.buchungen;
    position_schreiben();
    // The chart page is otherwise reached only through "Kontenplan", which
    // would empty the journal just loaded.
    TabSheet9->kontenplan_auswahl();
    TabSheet9->Label24->setText(kontenplan_nr == 0
                                    ? QStringLiteral("z.Zt. ausgewählt: 0")
                                    : QStringLiteral("Aktuell: %1").arg(kontenplan_nr));
}

} // namespace saldino::app
