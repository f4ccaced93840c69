#include "journal/buchungsseite.h"

#include "backup/verlauf.h"

#include "gui/bausteine.h"
#include "gui/dialoge.h"
#include "gui/fokusverlust.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "journal/buchungsformular.h"
#include "journal/buchungspruefung.h"
#include "journal/buchungsseite_hinweise.h"
#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace saldino::journal {

namespace {

const QString automatisch = QStringLiteral("wird automatisch eingetragen");
const QString null_euro = QStringLiteral("0,00");

} // namespace

BuchungsSeite::BuchungsSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet4"));
    befehlsleiste_anlegen();
    kopf_anlegen();
    kontozeilen_anlegen();

    SpeedButton29 = befehlsknopf("SpeedButton29", QStringLiteral("&Buchen"), {480, 240, 105, 62},
                                 &BuchungsSeite::SpeedButton29Click);
    QFont gross = SpeedButton29->font();
    gross.setPixelSize(16);
    gross.setBold(true);
    SpeedButton29->setFont(gross);
    SpeedButton29->setEnabled(false);
    // Tab: the form as it is filled in, then "Buchen", then the commands.
    gui::tabfolge({Haben[zeilen_je_buchung - 1], SpeedButton29, SpeedButton8, SpeedButton9,
                   SpeedButton25, SpeedButton26, SpeedButton27, SpeedButton28, SpeedButton36,
                   Rueckgaengig});

    Panel5 = new QWidget(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    hinweise = new Buchungshinweise(this, ComboBox, Soll, Haben, Label31);

    programm.registriere_zeige_handler(this, [this] { TabSheet4Show(); });
}

QToolButton* BuchungsSeite::befehlsknopf(const char* name, const QString& text, const QRect& ort,
                                         void (BuchungsSeite::*handler)()) {
    QToolButton* knopf = gui::flacher_knopf(this, name, text, ort);
    connect(knopf, &QToolButton::clicked, this,
            [this, handler] { programm_.befehl([this, handler] { (this->*handler)(); }); });
    return knopf;
}

void BuchungsSeite::befehlsleiste_anlegen() {
    const auto knopf = [this](const char* name, const QString& text, int links, int breite,
                              void (BuchungsSeite::*handler)()) {
        return befehlsknopf(name, text, {links, 0, breite, 22}, handler);
    };
    SpeedButton8 =
        knopf("SpeedButton8", QStringLiteral("Neu"), 32, 41, &BuchungsSeite::SpeedButton8Click);
    SpeedButton9 =
        knopf("SpeedButton9", QStringLiteral("|<"), 72, 33, &BuchungsSeite::SpeedButton9Click);
    SpeedButton25 =
        knopf("SpeedButton25", QStringLiteral("<"), 104, 33, &BuchungsSeite::SpeedButton25Click);
    SpeedButton26 =
        knopf("SpeedButton26", QStringLiteral(">"), 136, 33, &BuchungsSeite::SpeedButton26Click);
    SpeedButton27 =
        knopf("SpeedButton27", QStringLiteral(">|"), 168, 33, &BuchungsSeite::SpeedButton27Click);
    SpeedButton28 = knopf("SpeedButton28", QStringLiteral("Ändern"), 200, 57,
                          &BuchungsSeite::SpeedButton28Click);
    SpeedButton36 = knopf("SpeedButton36", QStringLiteral("Löschen"), 256, 57,
                          &BuchungsSeite::SpeedButton36Click);
    Rueckgaengig =
        gui::flacher_knopf(this, "Rueckgaengig", QStringLiteral("Rückgängig"), {312, 0, 81, 22});
    Rueckgaengig->setToolTip(QStringLiteral("Letzte Änderung rückgängig machen (Strg+Z)"));
    connect(Rueckgaengig, &QToolButton::clicked, this,
            [this] { programm_.befehl([this] { programm_.rueckgaengig(); }); });
}

void BuchungsSeite::kopf_anlegen() {
    Label44 = gui::beschriftung(this, "Label44", QStringLiteral("Buchung:"), 400, 24);
    Label45 = gui::beschriftung(this, "Label45", QString(), 464, 24);
    Label44->hide();
    Label45->hide();

    gui::beschriftung(this, "Label25", QStringLiteral("Buchungs-Nummer:"), 32, 48);
    Label26 = gui::beschriftung(this, "Label26", QStringLiteral("0"), 160, 48);
    Label26->setMinimumWidth(200);
    QLabel* datum = gui::beschriftung(this, "Label27", QStringLiteral("Buchungsdatum:"), 32, 67);
    Edit14 = gui::eingabefeld(this, "Edit14", {160, 64, 121, 21});
    gui::beschrifte(datum, Edit14);
    gui::beschriftung(this, "Label50",
                      QStringLiteral("(Format: TT.MM.JJ oder TT.MM.JJJJ oder TTMMJJ)"), 304, 67);
    QLabel* person =
        gui::beschriftung(this, "Label28", QStringLiteral("Einzahler/Empfänger:"), 32, 91);
    Edit15 = gui::eingabefeld(this, "Edit15", {160, 88, 217, 21});
    gui::beschrifte(person, Edit15);
    QLabel* grund = gui::beschriftung(this, "Label29", QStringLiteral("Zahlungsgrund:"), 32, 115);
    Edit16 = gui::eingabefeld(this, "Edit16", {160, 112, 217, 21});
    gui::beschrifte(grund, Edit16);
    gui::beschriftung(this, "Label30", QStringLiteral("Betrag::"), 32, 144);
    // The booking's debit total, as "Summe Soll" shows it.
    Label31 = gui::beschriftung(this, "Label31", null_euro, 160, 144);
    Label31->setMinimumWidth(120);

    gui::beschriftung(this, "Label32", QStringLiteral("Konto:"), 32, 168);
    gui::beschriftung(this, "Label33", QStringLiteral("Sollbetrag:"), 232, 168);
    gui::beschriftung(this, "Label34", QStringLiteral("Habenbetrag::"), 368, 168);
}

void BuchungsSeite::kontozeilen_anlegen() {
    auto* fokus = new gui::Fokusverlust(programm_, this);
    fokus->beobachte(Edit14, [this] { Edit14Exit(); });
    QWidget* vorher = Edit16;
    setTabOrder(Edit14, Edit15);
    setTabOrder(Edit15, Edit16);
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        const int oben = 184 + 24 * static_cast<int>(i);
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // the list only offers; the typed text is what counts
        box->setGeometry(32, oben, 185, 21);
        box->setMaxVisibleItems(20);
        ComboBox[i] = box;
        const QByteArray soll = "Edit" + QByteArray::number(17 + 2 * static_cast<int>(i));
        const QByteArray haben = "Edit" + QByteArray::number(18 + 2 * static_cast<int>(i));
        Soll[i] = gui::eingabefeld(this, soll.constData(), {232, oben, 81, 21});
        Haben[i] = gui::eingabefeld(this, haben.constData(), {368, oben, 81, 21});
        // One heading names each column; a screen reader hears the line too.
        const int zeile = static_cast<int>(i) + 1;
        box->setAccessibleName(QStringLiteral("Konto %1").arg(zeile));
        box->lineEdit()->setAccessibleName(box->accessibleName()); // what takes the focus
        Soll[i]->setAccessibleName(QStringLiteral("Sollbetrag %1").arg(zeile));
        Haben[i]->setAccessibleName(QStringLiteral("Habenbetrag %1").arg(zeile));
        fokus->beobachte(box, [this, i] { ComboBoxExit(i); });
        for (QLineEdit* feld : {Soll[i], Haben[i]}) {
            fokus->beobachte(feld, [this, feld] { BetragExit(feld); });
            gui::ganz_markieren_beim_klick(feld);
        }
        setTabOrder(vorher, box);
        setTabOrder(box, Soll[i]);
        setTabOrder(Soll[i], Haben[i]);
        vorher = Haben[i];
    }
}

void BuchungsSeite::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    Panel5->setGeometry(0, height() - 33, width(), 33);
}

bool BuchungsSeite::neueingabe() const {
    return SpeedButton29->isEnabled();
}

void BuchungsSeite::TabSheet4Show() {
    const std::int32_t anzahl = zaehle_buchungen();
    journalstand_merken();
    if (!neueingabe()) {
        Label26->setText(QString::number(anzahl));
    }
    if (programm_.kontenplan_nr == 0) {
        hinweise->kontenplan_setzen(nullptr);
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::kein_kontenplan));
        return;
    }
    auto kontenplan = std::make_unique<masterdata::Kontenplan>(programm_.kontenplan_nr);
    QStringList namen;
    namen.reserve(static_cast<qsizetype>(kontenplan->konten().size()));
    for (const auto& konto : kontenplan->konten()) {
        namen.append(gui::als_qstring(konto.bezeichnung));
    }
    for (QComboBox* box : ComboBox) {
        // Refilling the list would replace the typed text with the first entry.
        const QString text = box->currentText();
        box->clear();
        box->addItems(namen);
        box->setCurrentIndex(-1);
        box->setEditText(text);
    }
    hinweise->kontenplan_setzen(std::move(kontenplan));
    // A form being typed stays: showing the current booking would replace it,
    // and "&Buchen" would then store a copy of that booking.
    if (!neueingabe()) {
        buchung_anzeigen(programm_.aktuelle_buchung);
    }
}

void BuchungsSeite::buchung_anzeigen(std::int32_t n) {
    if (n <= 0) {
        return;
    }
    buchung_ = lies_buchung(n);
    journalstand_merken();
    buchungsformular_loeschen();
    const Buchungsformular formular = formular_von(buchung_);
    Label26->setText(QString::number(static_cast<std::int64_t>(buchung_.Nr) + 1));
    Edit14->setText(gui::als_qstring(formular.datum));
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        ComboBox[i]->setEditText(gui::als_qstring(formular.konto[i]));
    }
    Edit15->setText(gui::als_qstring(formular.person));
    Edit16->setText(gui::als_qstring(formular.grund));
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        Soll[i]->setText(gui::als_qstring(formular.soll[i]));
    }
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        Haben[i]->setText(gui::als_qstring(formular.haben[i]));
    }
}

void BuchungsSeite::buchungsformular_loeschen() {
    Label26->setText(automatisch);
    Edit14->clear();
    Edit15->clear();
    Edit16->clear();
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        Soll[i]->setText(null_euro);
        Haben[i]->setText(null_euro);
        ComboBox[i]->setEditText(QString());
    }
}

bool BuchungsSeite::buchungssatz_uebernehmen() {
    Buchungsformular formular;
    formular.datum = gui::als_cp1252(Edit14->text());
    formular.person = gui::als_cp1252(Edit15->text());
    formular.grund = gui::als_cp1252(Edit16->text());
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        formular.konto[i] = gui::als_cp1252(ComboBox[i]->currentText());
        formular.soll[i] = gui::als_cp1252(Soll[i]->text());
        formular.haben[i] = gui::als_cp1252(Haben[i]->text());
    }
    const Uebernahme neu = uebernimm(formular, programm_.anzahl_buchungen, programm_.buchungsjahr,
                                     programm_.kontenplan_nr);
    // A field still being edited (Alt+B) has not been through its focus-leave
    // handler: it shows what is stored.
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        Soll[i]->setText(gui::als_qstring(neu.soll_text[i]));
        Haben[i]->setText(gui::als_qstring(neu.haben_text[i]));
    }
    buchung_ = neu.buchung;
    if (neu.unlesbar) {
        // Named, and the focus put on the field with its text selected.
        QLineEdit* feld = (neu.unlesbar->soll ? Soll : Haben)[neu.unlesbar->zeile];
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::unlesbarer_betrag_in_zeile(
            feld->text().toStdString(), neu.unlesbar->zeile + 1)));
        feld->setFocus(Qt::OtherFocusReason);
        feld->selectAll();
        return false;
    }
    if (neu.fehler != Buchungsfehler::keiner) {
        programm_.dialoge().meldung(gui::aus_utf8(meldung(neu.fehler)));
        return false;
    }
    // A date the date rule cannot read would be stored as "00.00.0000" unseen.
    if (neu.datum_unlesbar &&
        !programm_.dialoge().frage(
            gui::aus_utf8(runtime::meldungen::unlesbares_datum(Edit14->text().toStdString())))) {
        return false;
    }
    return true;
}

void BuchungsSeite::zustand_anzeigen() {
    SpeedButton29->setEnabled(false);
    SpeedButton28->setEnabled(true);
}

void BuchungsSeite::SpeedButton8Click() {
    buchungsformular_loeschen();
    SpeedButton29->setEnabled(true);
    SpeedButton28->setEnabled(false);
}

void BuchungsSeite::zeige_und_setze(std::int32_t neue_position) {
    buchung_anzeigen(neue_position);
    programm_.aktuelle_buchung = neue_position;
    programm_.position_schreiben();
    zustand_anzeigen();
}

void BuchungsSeite::SpeedButton9Click() {
    zeige_und_setze(
        navigiere(Richtung::erste, programm_.aktuelle_buchung, programm_.anzahl_buchungen));
}

void BuchungsSeite::SpeedButton25Click() {
    zeige_und_setze(
        navigiere(Richtung::vorige, programm_.aktuelle_buchung, programm_.anzahl_buchungen));
}

void BuchungsSeite::SpeedButton26Click() {
    zeige_und_setze(
        navigiere(Richtung::naechste, programm_.aktuelle_buchung, programm_.anzahl_buchungen));
}

void BuchungsSeite::SpeedButton27Click() {
    zeige_und_setze(
        navigiere(Richtung::letzte, programm_.aktuelle_buchung, programm_.anzahl_buchungen));
}

void BuchungsSeite::ComboBoxExit(std::size_t zeile) {
    QComboBox* box = ComboBox[zeile];
    const Kontoeingabe eingabe =
        kontoeingabe(zeile, gui::als_cp1252(box->currentText()), programm_.kontenplan_nr);
    if (gui::als_qstring(eingabe.text) != box->currentText()) {
        box->setEditText(gui::als_qstring(eingabe.text));
    }
    if (eingabe.kein_kontenplan) {
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::kein_kontenplan));
    }
    if (eingabe.nicht_gefunden) {
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::konto_nicht_gefunden));
    }
}

void BuchungsSeite::Edit14Exit() {
    // The date stays as typed; the date rule runs when a booking is taken over.
}

// An amount the rule cannot read stays as typed, marked red; "&Buchen" names it.
void BuchungsSeite::BetragExit(QLineEdit* feld) {
    try {
        feld->setText(gui::als_qstring(checkmoney(gui::als_cp1252(feld->text()))));
    } catch (const runtime::Laufzeitfehler&) {
    }
}

} // namespace saldino::journal
