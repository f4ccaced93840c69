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

std::unique_ptr<QMessageBox> QtDialoge::box(int symbol, const QString& titel,
                                            const QString& text) const {
    auto box = std::make_unique<QMessageBox>(static_cast<QMessageBox::Icon>(symbol), titel, text,
                                             QMessageBox::NoButton, eltern_);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void QtDialoge::meldung(const QString& text) {
    const auto b = box(QMessageBox::NoIcon, programmtitel, text);
    b->addButton(QMessageBox::Ok);
    b->exec();
}

void QtDialoge::fehler(const QString& text) {
    const auto b = box(QMessageBox::Critical, programmtitel, text);
    b->addButton(QMessageBox::Ok);
    b->exec();
}

bool QtDialoge::frage(const QString& text) {
    const auto b = box(QMessageBox::Question, QStringLiteral("Bestätigung"), text);
    QPushButton* ja = b->addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    b->addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    b->setDefaultButton(ja);
    b->exec();
    return b->clickedButton() == ja;
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
