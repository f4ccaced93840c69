#pragma once

#include "gui/dialoge.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <vector>

namespace saldino::test {

// Dialogs for GUI tests: questions and file dialogs are answered from a queue,
// every box shown is recorded. A test takes each recorded box it expects with
// nimm(); pruefe_leer() fails the test for boxes nobody took and answers
// nobody used.
class SkriptDialoge : public gui::Dialoge {
public:
    enum class Art { meldung, fehler, frage, speichern, oeffnen, drucken, aufgabe };

    struct Box {
        Art art;
        QString text;
    };

    void antworte(bool ja) {
        antworten_.push_back(ja ? QStringLiteral("&Ja") : QStringLiteral("&Nein"));
    }
    void waehle_datei(const QString& pfad) { antworten_.push_back(pfad); }
    // The next "Aufgabe bearbeiten" is saved with this form.
    void fuelle_aufgabe(const gui::Aufgabenformular& formular) { aufgaben_.push_back(formular); }
    gui::Aufgabenformular letztes_aufgabenformular;

    // The text of the oldest recorded box, which must be of kind `art`.
    QString nimm(Art art);

    // All recorded boxes of one kind, taken in order.
    QStringList nimm_alle(Art art);

    void pruefe_leer();

    // What the last file dialog was opened with.
    gui::Dateiauswahl letzte_auswahl;

    void meldung(const QString& text) override;
    void fehler(const QString& text) override;
    bool frage(const QString& text) override;
    QString datei_speichern(const gui::Dateiauswahl& auswahl) override;
    QString datei_oeffnen(const gui::Dateiauswahl& auswahl) override;
    // Answered like a question; with "&Ja" the printer prints into `druckdatei` as PDF.
    bool drucker_waehlen(QPrinter& drucker) override;
    // Shows the form it was given (kept in letztes_aufgabenformular) and saves the
    // one queued by fuelle_aufgabe; without one it is cancelled.
    bool aufgabe_bearbeiten(gui::Aufgabenformular& formular) override;
    QString druckdatei;
    // Records the caption and the last progress told; never a box to take.
    std::unique_ptr<gui::Fortschritt> fortschritt(const QString& text) override;

    struct Fortschrittsmeldung {
        QString text;
        std::int64_t erledigt = -1;
        std::int64_t gesamt = -1;
    };
    std::deque<Fortschrittsmeldung> fortschritte; // references stay valid as it grows

private:
    QString antwort(Art art, const QString& text);

    std::deque<Box> gezeigt_;
    std::deque<QString> antworten_;
    std::deque<gui::Aufgabenformular> aufgaben_;
};

} // namespace saldino::test
