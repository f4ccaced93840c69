#include "gui/dialoge.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

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

// A progress dialog that Qt shows only once the command has run for half a
// second; without a cancel button, as the commands cannot stop half-way.
class QtFortschritt : public Fortschritt {
public:
    QtFortschritt(QWidget* eltern, const QString& text)
        : dialog_(text, QString(), 0, 1000, eltern) {
        dialog_.setWindowTitle(programmtitel);
        dialog_.setCancelButton(nullptr);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoClose(false);
        dialog_.setValue(0);
    }

    void melde(std::int64_t erledigt, std::int64_t gesamt) override {
        if (gesamt > 0) {
            dialog_.setValue(
                static_cast<int>(std::min<std::int64_t>(1000, erledigt * 1000 / gesamt)));
        }
    }

private:
    QProgressDialog dialog_;
};

class StummerFortschritt : public Fortschritt {
public:
    void melde(std::int64_t, std::int64_t) override {}
};

} // namespace

std::unique_ptr<Fortschritt> QtDialoge::fortschritt(const QString& text) {
    return std::make_unique<QtFortschritt>(eltern_, text);
}

std::unique_ptr<Fortschritt> StummeDialoge::fortschritt(const QString&) {
    return std::make_unique<StummerFortschritt>();
}

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

bool QtDialoge::drucker_waehlen(QPrinter& drucker) {
    QPrintDialog dialog(&drucker, eltern_);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialoge::aufgabe_bearbeiten(Aufgabenformular& formular) {
    QDialog dialog(eltern_);
    dialog.setObjectName(QStringLiteral("AufgabeBearbeitenDialog"));
    dialog.setWindowTitle(QStringLiteral("Aufgabe bearbeiten"));
    auto* formularfelder = new QFormLayout;
    auto* nummer = new QSpinBox(&dialog);
    nummer->setObjectName(QStringLiteral("Aufgabennummer"));
    nummer->setRange(1, 99);
    nummer->setValue(formular.nummer);
    auto* titel = new QLineEdit(formular.titel, &dialog);
    titel->setObjectName(QStringLiteral("Aufgabentitel"));
    titel->setMinimumWidth(460);
    auto* punkte = new QPlainTextEdit(formular.punkte, &dialog);
    punkte->setObjectName(QStringLiteral("Aufgabenpunkte"));
    punkte->setTabChangesFocus(true);
    punkte->setMinimumHeight(260);
    formularfelder->addRow(QStringLiteral("&Nummer:"), nummer);
    formularfelder->addRow(QStringLiteral("&Titel:"), titel);
    formularfelder->addRow(QStringLiteral("&Abhakliste (ein Punkt je Zeile):"), punkte);
    auto* knoepfe = new QDialogButtonBox(&dialog);
    knoepfe->addButton(QStringLiteral("&Speichern"), QDialogButtonBox::AcceptRole);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* rahmen = new QVBoxLayout(&dialog);
    rahmen->addLayout(formularfelder);
    rahmen->addWidget(knoepfe);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    formular = {nummer->value(), titel->text(), punkte->toPlainText()};
    return true;
}

void StummeDialoge::fehler(const QString& text) {
    qFatal("Unerwartete Fehlermeldung: %s", qPrintable(text));
}

} // namespace saldino::gui
