#include "backup/aufgabenseite.h"
#include "backup/aufgabenstand.h"

#include "backup/pruefung.h"
#include "gui/bausteine.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "runtime/dateien.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <QLabel>
#include <QToolButton>

namespace saldino::backup {

AufgabenSeite::AufgabenSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet8"));
    Label47 =
        gui::beschriftung(this, "Label47", QStringLiteral("Bitte wähle eine Aufgabe aus!"), 24, 24);
    for (int n = 1; n <= aufgabenzahl; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        // The ninth came later: the names after it were taken.
        const QByteArray knopfname = "SpeedButton" + QByteArray::number(n <= 8 ? 13 + n : 38);
        const QByteArray labelname = "Label" + QByteArray::number(n <= 8 ? 35 + n : 51);
        SpeedButton14bis21[i] = gui::flacher_knopf(this, knopfname.constData(), QString::number(n),
                                                   {24, 64 + 32 * (n - 1), 23, 22});
        connect(SpeedButton14bis21[i], &QToolButton::clicked, this,
                [this, n] { programm_.befehl([this, n] { aufgabe_oeffnen(n); }); });
        Label36bis43[i] = gui::beschriftung(this, labelname.constData(), QStringLiteral("Label36"),
                                            72, 72 + 32 * (n - 1));
    }
    SpeedButton37 = gui::flacher_knopf(this, "SpeedButton37", QStringLiteral("Prüfen"),
                                       {24, 64 + 32 * aufgabenzahl + 8, 57, 25});
    connect(SpeedButton37, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { SpeedButton37Click(); }); });
}

void AufgabenSeite::aufgabe_oeffnen(int n, bool sichern) {
    letzte_aufgabe_ = n;
    Label47->hide(); // "Bitte wähle eine Aufgabe aus!": one is chosen
    // A list file that cannot be read leaves the list empty.
    programm_.aufgabenliste_fuellen({});
    const std::vector<std::string> liste = lies_aufgabenliste(n);
    programm_.aufgabenliste_fuellen(liste);
    // Kept for the next start, nothing ticked yet.
    if (sichern) {
        schreibe_aufgabenstand({n, std::vector<bool>(liste.size(), false)});
    }
}

void AufgabenSeite::SpeedButton37Click() {
    gui::Dialoge& dialoge = programm_.dialoge();
    if (letzte_aufgabe_ == 0) {
        dialoge.meldung(QStringLiteral("Bitte wähle zuerst eine Aufgabe aus!"));
        return;
    }
    // A file dialog may have changed the working directory.
    runtime::wechsle_verzeichnis(programm_.startverzeichnis.string());
    const std::string loesung = loesung_fuer(letzte_aufgabe_, programm_.programmdaten);
    if (!runtime::existiert(loesung)) {
        dialoge.meldung(QStringLiteral("Zu dieser Aufgabe gibt es keine Lösung."));
        return;
    }
    // The page names the exercise it checked; its title is the label's.
    const QString titel = Label36bis43[static_cast<std::size_t>(letzte_aufgabe_ - 1)]->text();
    std::vector<std::string> zeilen = {
        gui::als_cp1252(titel.isEmpty() || titel == QLatin1String("Label36")
                            ? QStringLiteral("Aufgabe %1").arg(letzte_aufgabe_)
                            : titel),
        ""};
    const Pruefergebnis pruefung =
        pruefe(loesung, programm_.kontenplan_nr, programm_.einstellungen(),
               [&zeilen](std::string_view zeile) { zeilen.emplace_back(zeile); });
    if (pruefung.ungueltige_zeile != 0) {
        dialoge.meldung(gui::aus_utf8(runtime::meldungen::keine_sicherung(
            runtime::cp1252_nach_utf8(runtime::voller_pfad(loesung)), pruefung.ungueltige_zeile)));
        return;
    }
    programm_.pruefergebnis_zeigen(zeilen);
}

void AufgabenSeite::titel_setzen(int n, const QString& titel) {
    QLabel* label = Label36bis43[static_cast<std::size_t>(n - 1)];
    label->setText(titel);
    label->adjustSize();
}

} // namespace saldino::backup
