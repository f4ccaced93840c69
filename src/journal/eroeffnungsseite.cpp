#include "journal/eroeffnungsseite.h"

#include "backup/verlauf.h"

#include "gui/bausteine.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "journal/eingaberegeln.h"
#include "journal/eroeffnung.h"
#include "masterdata/kontenplan.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidgetItem>
#include <QToolButton>

#include <optional>

namespace saldino::journal {

namespace {

// Rows below the heading that the grid always has.
constexpr int mindestzeilen = 99;

const QString kein_kontenplan = gui::aus_utf8(runtime::meldungen::kein_kontenplan);

} // namespace

EroeffnungsSeite::EroeffnungsSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet3"));
    Label48 = gui::beschriftung(
        this, "Label48",
        QStringLiteral("Geben Sie den Anfangsbestand und das Datum der Eröffnungsbilanz an!"), 24,
        8);
    StringGrid2 =
        gui::gitter(this, "StringGrid2", 2, mindestzeilen, {220, 220}, {24, 32, 462, 336});
    StringGrid2->setEditTriggers(
        QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // Nothing typed where no account stands could ever be booked.
    StringGrid2->bearbeitbar_nur(1, 0);
    Label35 =
        gui::beschriftung(this, "Label35", QStringLiteral("Datum der Eröffnungsbilanz:"), 24, 387);
    Edit27 = gui::eingabefeld(this, "Edit27", {184, 384, 121, 21});
    gui::beschrifte(Label35, Edit27);
    StringGrid2->setAccessibleName(QStringLiteral("Anfangsbestände"));
    SpeedButton7 =
        gui::flacher_knopf(this, "SpeedButton7", QStringLiteral("OK"), {512, 360, 49, 49});
    connect(SpeedButton7, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { SpeedButton7Click(); }); });
    NurAnfangsbestaende =
        gui::flacher_knopf(this, "NurAnfangsbestaende",
                           QStringLiteral("Nur Anfangsbestände ersetzen"), {480, 414, 185, 25});
    connect(NurAnfangsbestaende, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { NurAnfangsbestaendeClick(); }); });
    summe_aktiva = gui::beschriftung(this, "SummeAktiva", QString(), 320, 372);
    summe_passiva = gui::beschriftung(this, "SummePassiva", QString(), 320, 390);
    for (QLabel* summe : {summe_aktiva, summe_passiva}) {
        summe->resize(185, summe->height());
    }
    connect(StringGrid2, &gui::Gitter::eingabe_geaendert, this, &EroeffnungsSeite::summen_zeigen);
    summen_zeigen();

    programm.registriere_zeige_handler(this, [this] { TabSheet3Show(); });
}

void EroeffnungsSeite::ueberschriften_setzen() {
    StringGrid2->horizontalHeaderItem(0)->setText(QStringLiteral("Konto"));
    StringGrid2->horizontalHeaderItem(1)->setText(QStringLiteral("Eröffnungsbetrag"));
}

void EroeffnungsSeite::TabSheet3Show() {
    if (programm_.kontenplan_nr == 0) {
        programm_.dialoge().meldung(kein_kontenplan);
        return;
    }
    const masterdata::Kontenplan kontenplan(programm_.kontenplan_nr);
    const auto& konten = kontenplan.konten();
    const auto betraege = eroeffnungsbetraege(konten);
    konten_ = konten;

    // The sums are added up once the grid is filled, not after every cell.
    const QSignalBlocker still(StringGrid2);
    StringGrid2->clearContents();
    StringGrid2->setRowCount(std::max(mindestzeilen, static_cast<int>(konten.size())));
    StringGrid2->bearbeitbar_nur(1, static_cast<int>(konten.size()));
    for (std::size_t k = 0; k < konten.size(); ++k) {
        const int zeile = static_cast<int>(k);
        // Column 0 is fixed: the account names cannot be edited.
        auto* name = new QTableWidgetItem(gui::als_qstring(konten[k].bezeichnung));
        name->setFlags(Qt::ItemIsEnabled);
        name->setBackground(palette().button());
        StringGrid2->setItem(zeile, 0, name);
        // A screen reader names the row by its account (the row heading stays hidden).
        StringGrid2->setVerticalHeaderItem(zeile, new QTableWidgetItem(name->text()));
        StringGrid2->setze_text(
            zeile, 1, betraege[k] ? gui::als_qstring(betragstext(*betraege[k])) : QString());
    }
    summen_zeigen();
}

void EroeffnungsSeite::summen_zeigen() {
    std::vector<std::string> zellen;
    zellen.reserve(konten_.size());
    for (std::size_t k = 0; k < konten_.size(); ++k) {
        zellen.push_back(gui::als_cp1252(StringGrid2->sichtbarer_text(static_cast<int>(k), 1)));
    }
    const Eroeffnungssummen summen = eroeffnungssummen(konten_, zellen);
    // A cell "OK" would refuse is marked red while it is typed, as the
    // booking page marks its amount fields.
    for (std::size_t k = 0; k < summen.unlesbar.size(); ++k) {
        QTableWidgetItem* zelle = StringGrid2->item(static_cast<int>(k), 1);
        if (zelle != nullptr) {
            const QSignalBlocker still(StringGrid2);
            zelle->setBackground(summen.unlesbar[k] ? QBrush(QColor(0xFF, 0xC8, 0xC8)) : QBrush());
            zelle->setToolTip(summen.unlesbar[k]
                                  ? QStringLiteral("Kein gültiger Betrag: wird nicht gebucht")
                                  : QString());
        }
    }
    gui::ansage(summe_aktiva, QStringLiteral("Summe Aktiva: ") + gui::als_qstring(summen.aktiva));
    gui::ansage(summe_passiva,
                QStringLiteral("Summe Passiva: ") + gui::als_qstring(summen.passiva));
}

void EroeffnungsSeite::buchen(bool nur_anfangsbestaende) {
    StringGrid2->offene_zelle_uebernehmen();
    // The chart is read once, for the checks below and for the booking.
    std::optional<masterdata::Kontenplan> kontenplan;
    std::optional<Eroeffnungspruefung> pruefung;
    if (programm_.kontenplan_nr != 0) {
        kontenplan.emplace(programm_.kontenplan_nr);
        std::vector<std::string> zellen;
        for (std::size_t k = 0; k < kontenplan->konten().size(); ++k) {
            zellen.push_back(gui::als_cp1252(StringGrid2->text(static_cast<int>(k), 1)));
        }
        pruefung = pruefe_eroeffnung(kontenplan->konten(), zellen, gui::als_cp1252(Edit27->text()),
                                     programm_.buchungsjahr);
    }
    // A cell that cannot be read stops everything before any question.
    if (pruefung && pruefung->eingabe.verworfen) {
        const std::size_t k = *pruefung->eingabe.verworfen;
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::unlesbarer_betrag(
            StringGrid2->text(static_cast<int>(k), 1).toStdString(),
            runtime::cp1252_nach_utf8(kontenplan->konten()[k].bezeichnung))));
        return;
    }
    // A date the date rule cannot read would be booked as "00.00.0000" unseen.
    if (pruefung && pruefung->datum_unlesbar &&
        !programm_.dialoge().frage(
            gui::aus_utf8(runtime::meldungen::unlesbares_datum(Edit27->text().toStdString())))) {
        return;
    }
    // An opening that does not balance would show its difference as a profit.
    if (pruefung && !pruefung->summen.ausgeglichen &&
        !programm_.dialoge().frage(gui::aus_utf8(runtime::meldungen::nicht_ausgeglichen(
            pruefung->summen.aktiva, pruefung->summen.passiva)))) {
        return;
    }
    if (!nur_anfangsbestaende &&
        !programm_.dialoge().frage(
            QStringLiteral("Achtung! Es werden alle bisherigen Buchungen gelöscht und nur diese "
                           "Anfangsbestände gebucht! Fortfahren?"))) {
        return;
    }
    if (!kontenplan) {
        programm_.dialoge().meldung(kein_kontenplan);
        return;
    }
    const QSignalBlocker still(StringGrid2);
    for (std::size_t k = 0; k < kontenplan->konten().size(); ++k) {
        StringGrid2->setze_text(static_cast<int>(k), 1,
                                gui::als_qstring(pruefung->eingabe.zellen[k]));
    }
    auto aenderung = backup::Aenderung::ersetzen(
        true, false,
        runtime::utf8_nach_cp1252(nur_anfangsbestaende
                                      ? "Anfangsbestände ersetzt"
                                      : "Eröffnungsbuchungen gebucht (alle Buchungen ersetzt)"));
    const std::int32_t anzahl =
        nur_anfangsbestaende
            ? anfangsbestaende_ersetzen(kontenplan->konten(), pruefung->eingabe.betraege,
                                        pruefung->datum)
            : eroeffnung_buchen(kontenplan->konten(), pruefung->eingabe.betraege, pruefung->datum);
    aenderung.festhalten();
    programm_.anzahl_buchungen = anzahl;
    programm_.aktuelle_buchung = anzahl;
}

} // namespace saldino::journal
