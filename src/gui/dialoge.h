#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QMessageBox;
class QPrinter;

class QWidget;

// Every box and file dialog of the program goes through this interface, so
// tests can answer them from a script.
namespace saldino::gui {

struct Dateiauswahl {
    QString titel;
    QString vorschlag; // proposed file name or path
    QString filter;    // for example "Saldino-Dateien (*.sdn)"
    QString endung;    // default suffix without the dot
};

// What the dialog "Aufgabe bearbeiten" shows and gives back: the number,
// the title and the checklist, one item per line.
struct Aufgabenformular {
    int nummer = 0;
    QString titel;
    QString punkte;
};

// How far a long command is, shown only when the command takes longer than
// half a second. Gone when destroyed.
class Fortschritt {
public:
    virtual ~Fortschritt() = default;
    virtual void melde(std::int64_t erledigt, std::int64_t gesamt) = 0;
};

class Dialoge {
public:
    virtual ~Dialoge() = default;

    // The progress of a command that rewrites the journal, captioned `text`.
    virtual std::unique_ptr<Fortschritt> fortschritt(const QString& text) = 0;

    // A plain message with OK, captioned "Saldino".
    virtual void meldung(const QString& text) = 0;

    // The error box of a failed command, captioned "Saldino".
    virtual void fehler(const QString& text) = 0;

    // A question captioned "Bestätigung" with "&Ja" and "&Nein"; true only for "&Ja".
    virtual bool frage(const QString& text) = 0;

    // The chosen file, or an empty text when the user cancels.
    virtual QString datei_speichern(const Dateiauswahl& auswahl) = 0;
    virtual QString datei_oeffnen(const Dateiauswahl& auswahl) = 0;

    // The print dialog for `drucker`; true when the user chose to print.
    virtual bool drucker_waehlen(QPrinter& drucker) = 0;

    // "Aufgabe bearbeiten": the form filled in, true for "Speichern".
    virtual bool aufgabe_bearbeiten(Aufgabenformular& formular) = 0;
};

// The program's dialogs, built on QMessageBox and QFileDialog.
class QtDialoge : public Dialoge {
public:
    explicit QtDialoge(QWidget* eltern = nullptr) : eltern_(eltern) {}

    void setze_eltern(QWidget* eltern) { eltern_ = eltern; }

    void meldung(const QString& text) override;
    void fehler(const QString& text) override;
    bool frage(const QString& text) override;
    QString datei_speichern(const Dateiauswahl& auswahl) override;
    QString datei_oeffnen(const Dateiauswahl& auswahl) override;
    bool drucker_waehlen(QPrinter& drucker) override;
    bool aufgabe_bearbeiten(Aufgabenformular& formular) override;
    std::unique_ptr<Fortschritt> fortschritt(const QString& text) override;

    // The box the three kinds of message are shown in: the text as plain
    // text (a file name or a typed text is never read as markup).
    std::unique_ptr<QMessageBox> box(int symbol, const QString& titel, const QString& text) const;

private:
    QWidget* eltern_;
};

// For tools that drive the window without a user: messages are dropped,
// questions answered No, file dialogs cancelled, and an error box ends the
// tool, as none is expected.
class StummeDialoge : public Dialoge {
public:
    void meldung(const QString&) override {}
    void fehler(const QString& text) override;
    bool frage(const QString&) override { return false; }
    QString datei_speichern(const Dateiauswahl&) override { return {}; }
    QString datei_oeffnen(const Dateiauswahl&) override { return {}; }
    bool drucker_waehlen(QPrinter&) override { return false; }
    bool aufgabe_bearbeiten(Aufgabenformular&) override { return false; }
    std::unique_ptr<Fortschritt> fortschritt(const QString&) override;
};

} // namespace saldino::gui
