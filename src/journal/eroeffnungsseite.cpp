#include "journal/eroeffnungsseite.h"

#include "app/bausteine.h"
#include "app/dialoge.h"
#include "app/qtext.h"
#include "app/tform1.h"
#include "journal/eingaberegeln.h"
#include "journal/eroeffnung.h"
#include "masterdata/kontenplan.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace saldino::journal {

namespace {

// Rows below the heading that the grid always has.
constexpr int mindestzeilen = 99;

const QString kein_kontenplan = QStringLiteral("Du hast keinen Kontenplan ausgewählt!");

} // namespace

EroeffnungsSeite::EroeffnungsSeite(app::TForm1& form, QWidget* eltern)
    : QWidget(eltern), form_(form) {
    setObjectName(QStringLiteral("TabSheet3"));
    Label48 = app::beschriftung(
        this, "Label48",
        QStringLiteral("Geben Sie den Anfangsbestand und das Datum der Eröffnungsbilanz an!"), 24,
        8);
    StringGrid2 =
        app::gitter(this, "StringGrid2", 2, mindestzeilen, {220, 220}, {24, 32, 462, 336});
    StringGrid2->setEditTriggers(
        QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    Label35 =
        app::beschriftung(this, "Label35", QStringLiteral("Datum der Eröffnungsbilanz:"), 24, 387);
    Edit27 = app::eingabefeld(this, "Edit27", {184, 384, 121, 21});
    SpeedButton7 =
        app::flacher_knopf(this, "SpeedButton7", QStringLiteral("OK"), {512, 360, 49, 49});
    connect(SpeedButton7, &QToolButton::clicked, this,
            [this] { form_.befehl([this] { SpeedButton7Click(); }); });

    form.zeige_handler(this, [this] { TabSheet3Show(); });
}

void EroeffnungsSeite::ueberschriften_setzen() {
    StringGrid2->horizontalHeaderItem(0)->setText(QStringLiteral("Konto"));
    StringGrid2->horizontalHeaderItem(1)->setText(QStringLiteral("Eröffnungsbetrag"));
}

void EroeffnungsSeite::TabSheet3Show() {
    if (form_.kontenplan_nr == 0) {
        form_.dialoge().meldung(kein_kontenplan);
        return;
    }
    const masterdata::Kontenplan kontenplan(form_.kontenplan_nr);
    const auto& konten = kontenplan.konten();
    const auto betraege = eroeffnungsbetraege(konten);

    StringGrid2->clearContents();
    StringGrid2->setRowCount(std::max(mindestzeilen, static_cast<int>(konten.size())));
    for (std::size_t k = 0; k < konten.size(); ++k) {
        const int zeile = static_cast<int>(k);
        // Column 0 is fixed: the account names cannot be edited.
        auto* name = new QTableWidgetItem(app::alsQString(konten[k].bezeichnung));
        name->setFlags(Qt::ItemIsEnabled);
        name->setBackground(palette().button());
        StringGrid2->setItem(zeile, 0, name);
        StringGrid2->setze_text(
            zeile, 1, betraege[k] ? app::alsQString(betragstext(*betraege[k])) : QString());
    }
}

void EroeffnungsSeite::SpeedButton7Click() {
    if (!form_.dialoge().frage(
            QStringLiteral("Achtung! Es werden alle bisherigen Buchungen gelöscht und nur diese "
                           "Anfangsbestände gebucht! Fortfahren?"))) {
        return;
    }
    // Nothing is deleted before everything that is to be booked could be read.
    if (form_.kontenplan_nr == 0) {
        form_.dialoge().meldung(kein_kontenplan);
        return;
    }
    StringGrid2->offene_zelle_uebernehmen();
    const masterdata::Kontenplan kontenplan(form_.kontenplan_nr);
    const auto& konten = kontenplan.konten();
    std::vector<double> betraege;
    betraege.reserve(konten.size());
    for (std::size_t k = 0; k < konten.size(); ++k) {
        const int zeile = static_cast<int>(k);
        const std::string gefiltert = ist_betrag(app::alsCp1252(StringGrid2->text(zeile, 1)));
        StringGrid2->setze_text(zeile, 1, app::alsQString(gefiltert));
        betraege.push_back(lies_betrag(checkmoney(gefiltert)));
    }
    const std::string datum = konten.empty()
                                  ? std::string()
                                  : checkdate(app::alsCp1252(Edit27->text()), form_.buchungsjahr);

    const std::int32_t anzahl = eroeffnung_buchen(konten, betraege, datum);
    form_.anzahl_buchungen = anzahl;
    form_.aktuelle_buchung = anzahl;
}

} // namespace saldino::journal
