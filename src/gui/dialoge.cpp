#include "gui/dialoge.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace saldino::gui {

namespace {

const QString programmtitel = QStringLiteral("Saldino");

QString waehle_datei(QWidget* eltern, const Dateiauswahl& auswahl, QFileDialog::AcceptMode modus) {
    QFileDialog dialog(eltern, auswahl.titel, auswahl.vorschlag, auswahl.filter);
    dialog.setAcceptMode(modus);
    dialog.setFileMode(modus == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!auswahl.endung.isEmpty()) {
        dialog.setDefaultSuffix(auswahl.endung);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtDialoge::meldung(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programmtitel, text, QMessageBox::Ok, eltern_);
    box.exec();
}

void QtDialoge::fehler(const QString& text) {
    QMessageBox box(QMessageBox::Critical, programmtitel, text, QMessageBox::Ok, eltern_);
    box.exec();
}

bool QtDialoge::frage(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), text,
                    QMessageBox::NoButton, eltern_);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.exec();
    return box.clickedButton() == ja;
}

QString QtDialoge::datei_speichern(const Dateiauswahl& auswahl) {
    return waehle_datei(eltern_, auswahl, QFileDialog::AcceptSave);
}

QString QtDialoge::datei_oeffnen(const Dateiauswahl& auswahl) {
    return waehle_datei(eltern_, auswahl, QFileDialog::AcceptOpen);
}

void StummeDialoge::fehler(const QString& text) {
    qFatal("Unerwartete Fehlermeldung: %s", qPrintable(text));
}

} // namespace saldino::gui
