#include "masterdata/kontenplanseite.h"

#include "backup/verlauf.h"
#include "gui/bausteine.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "journal/buchung.h"
#include "masterdata/kontenplan.h"
#include "runtime/text.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

namespace saldino::masterdata {

namespace {

// Rows below the heading that the grid always has.
constexpr int mindestzeilen = 99;

QString aktuell(std::int32_t nummer) {
    return QStringLiteral("Aktuell: %1").arg(nummer);
}

} // namespace

KontenplanSeite::KontenplanSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet9"));
    Label12 =
        gui::beschriftung(this, "Label12", QStringLiteral("Kontenplan bitte auswählen:"), 24, 16);
    Label24 = gui::beschriftung(this, "Label24", QStringLiteral("z.Zt. ausgewählt: 0"), 24, 44);
    const std::array<QString, 4> namen = {QStringLiteral("Einfach"), QStringLiteral("Umfangreich"),
                                          QStringLiteral("Handel"), QStringLiteral("Industrie")};
    for (int i = 0; i < 4; ++i) {
        // 1 above 2, 3 above 4 to their right, each followed by its name.
        const int links = 200 + 160 * (i / 2);
        const int oben = 8 + 32 * (i % 2);
        const auto index = static_cast<std::size_t>(i);
        const QByteArray knopf = "SpeedButton" + QByteArray::number(10 + i);
        const QByteArray label = "Label" + QByteArray::number(14 + i);
        SpeedButton10bis13[index] = gui::flacher_knopf(
            this, knopf.constData(), QString::number(i + 1), {links, oben, 25, 25});
        Label14bis17[index] =
            gui::beschriftung(this, label.constData(), namen[index], links + 32, oben + 6);
        connect(SpeedButton10bis13[index], &QToolButton::clicked, this,
                [this, i] { programm_.befehl([this, i] { kontenplan_waehlen(i + 1); }); });
    }
    StringGrid1 = gui::gitter(this, "StringGrid1", 5, mindestzeilen, {204, 67, 57, 64, 58},
                              {24, 80, 472, 352});
    StringGrid1->setAccessibleName(QStringLiteral("Konten des Kontenplans"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    programm.registriere_zeige_handler(this, [this] { TabSheet9Show(); });
}

void KontenplanSeite::ueberschriften_setzen() {
    const QStringList texte = {QStringLiteral("Bezeichnung"), QStringLiteral("Bilanz"),
                               QStringLiteral("GuV"), QStringLiteral("Akt./Pass. bzw. Soll/Haben"),
                               QString()};
    for (int spalte = 0; spalte < texte.size(); ++spalte) {
        StringGrid1->horizontalHeaderItem(spalte)->setText(texte[spalte]);
        StringGrid1->horizontalHeaderItem(spalte)->setToolTip(texte[spalte]);
    }
}

void KontenplanSeite::SpeedButton23Click() {
    gui::Dialoge& dialoge = programm_.dialoge();
    if (!dialoge.frage(QStringLiteral("Neuer Kontenplan bedeutet, dass alle Buchungen gelöscht "
                                      "werden! Wollen Sie weiter?"))) {
        return;
    }
    if (!dialoge.frage(QStringLiteral("Die Buchungssätze werden jetzt gelöscht!"))) {
        return;
    }
    // One step with the chart chosen next: taking it back restores both.
    auto aenderung =
        backup::Aenderung::ersetzen(true, true, "Kontenplan gewechselt (Journal geleert)", true);
    journal::journal_leeren();
    aenderung.festhalten();
    programm_.anzahl_buchungen = 0;
    programm_.aktuelle_buchung = 0;
    programm_.position_schreiben();
    programm_.seite_zeigen(this);
}

void KontenplanSeite::TabSheet9Show() {
    const std::int32_t nummer = programm_.kontenplan_nr;
    if (nummer >= 1 && nummer <= 4) {
        kontenplan_waehlen(nummer);
    }
}

void KontenplanSeite::kontenplan_waehlen(std::int32_t nummer) {
    const std::int32_t bisher = programm_.kontenplan_nr;
    const int bisheriger_index = programm_.kontenplan_index();
    programm_.kontenplan_nr = nummer;
    programm_.setze_kontenplan_index(nummer - 1);
    try {
        programm_.einstellungen_sichern(runtime::utf8_nach_cp1252("Kontenplan ") +
                                        std::to_string(nummer) +
                                        runtime::utf8_nach_cp1252(" gewählt"));
    } catch (...) {
        // The window keeps the chart the settings file still names.
        programm_.kontenplan_nr = bisher;
        programm_.setze_kontenplan_index(bisheriger_index);
        throw;
    }
    kontenplan_auswahl();
    Label24->setText(aktuell(nummer));
}

void KontenplanSeite::geladenen_kontenplan_zeigen() {
    kontenplan_auswahl();
    Label24->setText(programm_.kontenplan_nr == 0 ? QStringLiteral("z.Zt. ausgewählt: 0")
                                                  : aktuell(programm_.kontenplan_nr));
}

void KontenplanSeite::kontenplan_auswahl() {
    const Kontenplan kontenplan(programm_.kontenplan_nr);
    const auto& konten = kontenplan.konten();
    StringGrid1->clearContents();
    StringGrid1->setRowCount(std::max(mindestzeilen, static_cast<int>(konten.size())));
    for (std::size_t k = 0; k < konten.size(); ++k) {
        const TKonto& konto = konten[k];
        const int zeile = static_cast<int>(k);
        // A screen reader names the row by its account (the row heading stays hidden).
        StringGrid1->setVerticalHeaderItem(
            zeile, new QTableWidgetItem(gui::als_qstring(konto.bezeichnung)));
        int spalte = 0;
        for (const std::string* feld :
             {&konto.bezeichnung, &konto.bilanz, &konto.guv, &konto.seite, &konto.bn}) {
            StringGrid1->setItem(zeile, spalte++, new QTableWidgetItem(gui::als_qstring(*feld)));
        }
    }
}

} // namespace saldino::masterdata
