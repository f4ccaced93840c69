#include "masterdata/firmenseite.h"

#include "gui/bausteine.h"
#include "gui/programm.h"
#include "gui/qtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace saldino::masterdata {

FirmenSeite::FirmenSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet2"));
    QLabel* kopf = gui::beschriftung(
        this, "Label3", QStringLiteral("Bitte geben Sie Ihre Firmendaten ein!"), 48, 32);
    QFont fett = kopf->font();
    fett.setBold(true);
    kopf->setFont(fett);
    kopf->adjustSize();

    struct Feld {
        const char* name;
        const char* label;
        QString text;
        QRect ort;
    };
    const std::array<Feld, 8> felder = {{
        {"Edit1", "Label4", QStringLiteral("Firmen-Name:"), {192, 64, 225, 21}},
        {"Edit2", "Label5", QStringLiteral("Straße und Nr.:"), {192, 88, 225, 21}},
        {"Edit3", "Label6", QStringLiteral("PLZ und Ort:"), {192, 112, 225, 21}},
        {"Edit4", "Label8", QStringLiteral("Konto-Nr.:"), {192, 152, 225, 21}},
        {"Edit5", "Label9", QStringLiteral("BLZ:"), {192, 176, 225, 21}},
        {"Edit6", "Label10", QStringLiteral("Name des Instituts:"), {192, 200, 225, 21}},
        {"Edit7",
         "Label11",
         QStringLiteral("Verantwortlich für die Buchhaltung"),
         {240, 240, 177, 21}},
        {"Edit8",
         "Label13",
         QStringLiteral("Verantwortlich für das Unternehmen"),
         {240, 264, 177, 21}},
    }};
    for (std::size_t i = 0; i < felder.size(); ++i) {
        const Feld& f = felder[i];
        QLabel* label = gui::beschriftung(this, f.label, f.text, 48, f.ort.top() + 3);
        if (i >= 3 && i <= 5) {
            // The bank fields' labels stand right of their group heading, flush with the fields.
            label->move(f.ort.left() - 6 - label->width(), label->y());
        }
        Edit[i] = gui::eingabefeld(this, f.name, f.ort);
        gui::beschrifte(label, Edit[i]);
        gui::festfarben(Edit[i], QColor::fromRgb(gui::himmelblau));
    }
    gui::beschriftung(this, "Label7", QStringLiteral("Bankverbindung:"), 48, 144);

    SpeedButton32 =
        gui::flacher_knopf(this, "SpeedButton32", QStringLiteral("OK"), {368, 352, 49, 49});
    connect(SpeedButton32, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { SpeedButton32Click(); }); });
    // Enter in a field is "OK".
    for (QLineEdit* feld : Edit) {
        connect(feld, &QLineEdit::returnPressed, SpeedButton32, &QToolButton::click);
    }
}

void FirmenSeite::werte_in(Einstellungen& werte) const {
    for (std::size_t i = 0; i < Edit.size(); ++i) {
        werte.firma[i] = gui::als_cp1252(Edit[i]->text());
    }
}

void FirmenSeite::zeige(const Einstellungen& werte) {
    for (std::size_t i = 0; i < Edit.size(); ++i) {
        Edit[i]->setText(gui::als_qstring(werte.firma[i]));
    }
}

void FirmenSeite::SpeedButton32Click() {
    programm_.einstellungen_sichern("Firmendaten gespeichert");
}

} // namespace saldino::masterdata
