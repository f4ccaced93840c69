#include "masterdata/einstellungsseite.h"

#include "backup/aufgaben.h"
#include "gui/bausteine.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "runtime/meldungen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace saldino::masterdata {

namespace {

QCheckBox* kontrollkaestchen(QWidget* eltern, const char* name, const QString& text, int links,
                             int oben) {
    auto* box = new QCheckBox(text, eltern);
    box->setObjectName(QString::fromLatin1(name));
    box->move(links, oben);
    box->adjustSize();
    return box;
}

} // namespace

EinstellungsSeite::EinstellungsSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet7"));

    CheckBox1 = kontrollkaestchen(this, "CheckBox1", QStringLiteral("Mit MWSt. buchen"), 48, 32);
    CheckBox1->setChecked(true);
    Label22 = gui::beschriftung(this, "Label22", QStringLiteral("einheitl. MWST-Satz"), 184, 32);
    Edit13 = gui::eingabefeld(this, "Edit13", {288, 24, 65, 21});
    gui::beschrifte(Label22, Edit13);
    Edit13->setText(QStringLiteral("0,00"));
    Label23 = gui::beschriftung(this, "Label23", QStringLiteral("in %"), 360, 32);
    CheckBox2 = kontrollkaestchen(
        this, "CheckBox2", QStringLiteral("Konten mit dem Wert 0,00 in der Bilanz darstellen!"), 48,
        56);

    QLabel* jahr =
        gui::beschriftung(this, "Label46", QStringLiteral("Jahr der Buchhaltng:"), 56, 152);
    Edit28 = gui::eingabefeld(this, "Edit28", {216, 144, 121, 21});
    gui::beschrifte(jahr, Edit28);
    const std::array<const char*, 4> namen = {"Edit9", "Edit10", "Edit11", "Edit12"};
    const std::array<const char*, 4> labels = {"Label18", "Label19", "Label20", "Label21"};
    for (int i = 0; i < 4; ++i) {
        const int oben = 176 + 24 * i;
        QLabel* label = gui::beschriftung(
            this, labels[static_cast<std::size_t>(i)],
            QStringLiteral("Bezeichnung für Kontenplan %1:").arg(i + 1), 56, oben + 8);
        Edit9bis12[static_cast<std::size_t>(i)] =
            gui::eingabefeld(this, namen[static_cast<std::size_t>(i)], {216, oben, 121, 21});
        gui::beschrifte(label, Edit9bis12[static_cast<std::size_t>(i)]);
    }

    RadioGroup1 = new QGroupBox(QStringLiteral("Aktuell"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(368, 160, 57, 113);
    auto* spalte = new QVBoxLayout(RadioGroup1);
    spalte->setContentsMargins(8, 4, 4, 4);
    for (int i = 0; i < 4; ++i) {
        auto* knopf = new QRadioButton(QString::number(i + 1), RadioGroup1);
        knopf->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        spalte->addWidget(knopf);
        RadioGroup1Items[static_cast<std::size_t>(i)] = knopf;
    }
    RadioGroup1->setEnabled(false);
    setzeRadioGroup1ItemIndex(0);

    QLabel* ordner =
        gui::beschriftung(this, "LabelAufgabenordner", QStringLiteral("Aufgabenordner:"), 56, 360);
    Aufgabenordner = gui::eingabefeld(this, "Aufgabenordner", {216, 352, 321, 21});
    Aufgabenordner->setToolTip(
        QStringLiteral("Ordner, aus dem Saldino die Aufgaben und ihre Lösungen liest (leer: das "
                       "Arbeitsverzeichnis)"));
    gui::beschrifte(ordner, Aufgabenordner);
    connect(Aufgabenordner, &QLineEdit::returnPressed, this, [this] { Button2->click(); });

    Button1 = gui::knopf(this, "Button1", QStringLiteral("Grundeinstellungen wiederherstellen"),
                         {56, 312, 217, 25});
    Button2 = gui::knopf(this, "Button2", QStringLiteral("Speichern"), {304, 312, 75, 25});
    const auto befehl = [this](void (EinstellungsSeite::*handler)()) {
        return [this, handler] { programm_.befehl([this, handler] { (this->*handler)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, befehl(&EinstellungsSeite::Button1Click));
    connect(Button2, &QPushButton::clicked, this, befehl(&EinstellungsSeite::Button2Click));
    // Enter in a field is "Speichern".
    for (QLineEdit* feld :
         {Edit13, Edit28, Edit9bis12[0], Edit9bis12[1], Edit9bis12[2], Edit9bis12[3]}) {
        connect(feld, &QLineEdit::returnPressed, Button2, &QPushButton::click);
    }
    // Runs whenever the box changes state, by the user or by the program.
    connect(CheckBox1, &QCheckBox::toggled, this, befehl(&EinstellungsSeite::CheckBox1Click));
}

void EinstellungsSeite::setzeRadioGroup1ItemIndex(int index) {
    radio_index_ = begrenze_kontenplan_index(index);
    for (QRadioButton* knopf : RadioGroup1Items) {
        knopf->setAutoExclusive(false);
        knopf->setChecked(false);
        knopf->setAutoExclusive(true);
    }
    if (radio_index_ >= 0) {
        RadioGroup1Items[static_cast<std::size_t>(radio_index_)]->setChecked(true);
    }
}

void EinstellungsSeite::werte_in(Einstellungen& werte) const {
    werte.mit_mwst = CheckBox1->isChecked();
    werte.mwst_satz = gui::als_cp1252(Edit13->text());
    werte.nullkonten_zeigen = CheckBox2->isChecked();
    werte.jahr = gui::als_cp1252(Edit28->text());
    for (std::size_t i = 0; i < Edit9bis12.size(); ++i) {
        werte.kontenplan_namen[i] = gui::als_cp1252(Edit9bis12[i]->text());
    }
    werte.kontenplan_index = radio_index_;
}

void EinstellungsSeite::zeige(const Einstellungen& werte) {
    CheckBox1->setChecked(werte.mit_mwst);
    Edit13->setText(gui::als_qstring(werte.mwst_satz));
    CheckBox2->setChecked(werte.nullkonten_zeigen);
    Edit28->setText(gui::als_qstring(werte.jahr));
    for (std::size_t i = 0; i < Edit9bis12.size(); ++i) {
        Edit9bis12[i]->setText(gui::als_qstring(werte.kontenplan_namen[i]));
    }
    setzeRadioGroup1ItemIndex(werte.kontenplan_index);
}

void EinstellungsSeite::SpeedButton24Click() {
    if (ist_zugangswort(gui::als_cp1252(programm_.firmenname()))) {
        programm_.seite_zeigen(this);
    } else {
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::keine_berechtigung));
    }
}

void EinstellungsSeite::Button1Click() {
    Einstellungen werte;
    werte_in(werte);
    grundeinstellungen_wiederherstellen(werte);
    zeige(werte);
}

void EinstellungsSeite::Button2Click() {
    programm_.einstellungen_sichern("Einstellungen gespeichert");
    const std::string ordner = Aufgabenordner->text().trimmed().toStdString();
    if (ordner != backup::aufgabenordner()) {
        backup::schreibe_aufgabenordner(ordner);
        backup::aufgabenordner_setzen(ordner);
        programm_.aufgaben_neu_lesen();
    }
}

void EinstellungsSeite::CheckBox1Click() {
    const bool an = CheckBox1->isChecked();
    Label22->setEnabled(an);
    Edit13->setEnabled(an);
    Label23->setEnabled(an);
}

} // namespace saldino::masterdata
