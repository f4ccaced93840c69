#include "backup/aufgabenseite.h"
#include "backup/aufgabenstand.h"

#include "backup/aufgabenbefehle.h"
#include "gui/bausteine.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "runtime/dateien.h"

#include <QLabel>
#include <QScrollArea>
#include <QToolButton>

#include <algorithm>

namespace saldino::backup {

namespace {

// Exercises 1 to 8 keep their object names; the ninth came later and took
// free ones; from the tenth on the names carry the number.
QByteArray knopfname(int n) {
    if (n <= 9) {
        return "SpeedButton" + QByteArray::number(n <= 8 ? 13 + n : 38);
    }
    return "Aufgabenknopf" + QByteArray::number(n);
}

QByteArray labelname(int n) {
    if (n <= 9) {
        return "Label" + QByteArray::number(n <= 8 ? 35 + n : 51);
    }
    return "Aufgabentitel" + QByteArray::number(n);
}

constexpr int zeilenhoehe = 32;
constexpr int feste_zeilen = 8;     // above the scroll area
constexpr int sichtbare_zeilen = 2; // of the scroll area, before it scrolls

} // namespace

AufgabenSeite::AufgabenSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet8"));
    Label47 =
        gui::beschriftung(this, "Label47", QStringLiteral("Bitte wähle eine Aufgabe aus!"), 24, 24);
    Aufgabenrollbereich = new QScrollArea(this);
    Aufgabenrollbereich->setObjectName(QStringLiteral("Aufgabenrollbereich"));
    Aufgabenrollbereich->setAccessibleName(QStringLiteral("Weitere Aufgaben"));
    // Tab goes to its buttons, and the area scrolls to the one that has the focus.
    Aufgabenrollbereich->setFocusPolicy(Qt::NoFocus);
    Aufgabenrollbereich->setFrameShape(QFrame::NoFrame);
    Aufgabenrollbereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SpeedButton37 =
        gui::flacher_knopf(this, "SpeedButton37", QStringLiteral("Prüfen"), {24, 0, 57, 25});
    connect(SpeedButton37, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { SpeedButton37Click(); }); });
    // The teacher's two commands, beside "Prüfen".
    AufgabeBearbeiten = gui::flacher_knopf(this, "AufgabeBearbeiten",
                                           QStringLiteral("Aufgabe bearbeiten"), {96, 0, 121, 25});
    connect(AufgabeBearbeiten, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { AufgabeBearbeitenClick(); }); });
    AlsLoesungSpeichern = gui::flacher_knopf(
        this, "AlsLoesungSpeichern", QStringLiteral("Als Lösung speichern"), {224, 0, 137, 25});
    connect(AlsLoesungSpeichern, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { AlsLoesungSpeichernClick(); }); });
    knoepfe_setzen();
}

void AufgabenSeite::knoepfe_setzen() {
    for (QToolButton* knopf : SpeedButton14bis21) {
        delete knopf;
    }
    for (QLabel* label : Label36bis43) {
        delete label;
    }
    SpeedButton14bis21.clear();
    Label36bis43.clear();
    nummern_ = aufgabennummern();
    const int oben = 64 + zeilenhoehe * feste_zeilen;
    const int weitere = static_cast<int>(nummern_.size()) - feste_zeilen;
    const int hoehe = zeilenhoehe * std::min(weitere, sichtbare_zeilen) +
                      (weitere > sichtbare_zeilen ? zeilenhoehe / 2 : 0);
    Aufgabenrollbereich->setGeometry(0, oben, 640, hoehe);
    auto* rollinhalt = new QWidget;
    rollinhalt->setObjectName(QStringLiteral("Aufgabenrollinhalt"));
    rollinhalt->resize(620, zeilenhoehe * weitere);
    for (std::size_t i = 0; i < nummern_.size(); ++i) {
        const int n = nummern_[i];
        const auto zeile = static_cast<int>(i);
        QWidget* platz = zeile < feste_zeilen ? this : rollinhalt;
        const int y =
            zeile < feste_zeilen ? 64 + zeilenhoehe * zeile : zeilenhoehe * (zeile - feste_zeilen);
        QToolButton* knopf = gui::flacher_knopf(platz, knopfname(n).constData(), QString::number(n),
                                                {24, y, 23, 22});
        connect(knopf, &QToolButton::clicked, this,
                [this, n] { programm_.befehl([this, n] { aufgabe_oeffnen(n); }); });
        knopf->show();
        SpeedButton14bis21.push_back(knopf);
        QLabel* label = gui::beschriftung(platz, labelname(n).constData(),
                                          QStringLiteral("Label36"), 72, y + 8);
        label->show();
        Label36bis43.push_back(label);
    }
    Aufgabenrollbereich->setWidget(rollinhalt); // the old content goes with it
    for (QToolButton* knopf : {SpeedButton37, AufgabeBearbeiten, AlsLoesungSpeichern}) {
        knopf->move(knopf->x(), oben + hoehe + 8);
    }
}

QLabel* AufgabenSeite::titellabel(int n) const {
    const auto stelle = std::find(nummern_.begin(), nummern_.end(), n);
    return stelle == nummern_.end()
               ? nullptr
               : Label36bis43[static_cast<std::size_t>(stelle - nummern_.begin())];
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
    // A file dialog may have changed the working directory.
    runtime::wechsle_verzeichnis(programm_.startverzeichnis.string());
    // The page names the exercise it checked; its title is the label's.
    const QLabel* label = titellabel(letzte_aufgabe_);
    const Pruefseite seite = pruefseite(
        letzte_aufgabe_, label == nullptr ? std::string() : gui::als_cp1252(label->text()),
        programm_.programmdaten, programm_.kontenplan_nr, programm_.einstellungen());
    if (!seite.meldung.empty()) {
        programm_.dialoge().meldung(gui::aus_utf8(seite.meldung));
        return;
    }
    programm_.pruefergebnis_zeigen(seite.zeilen);
}

void AufgabenSeite::titel_setzen(int n, const QString& titel) {
    QLabel* label = titellabel(n);
    if (label == nullptr) {
        return;
    }
    label->setText(titel);
    label->adjustSize();
}

} // namespace saldino::backup
