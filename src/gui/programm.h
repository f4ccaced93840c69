#pragma once

#include "masterdata/einstellungen.h"
#include "reports/berichtsdaten.h"

#include <QString>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace saldino::gui {

class Dialoge;

// Runs one command, a handler or a start-up step; a runtime error ends it
// with an error box and the program carries on.
class Befehlslaeufer {
public:
    virtual ~Befehlslaeufer() = default;
    virtual void befehl(const std::function<void()>& schritt) = 0;
};

// The window as a page sees it: the command runner, the dialogs, the page
// stack, the settings, the program-wide values, and one named operation for
// each thing a page needs of another page. A page never names the window
// or another page.
class Programm : public Befehlslaeufer {
public:
    // The program-wide values.
    std::int32_t kontenplan_nr = 0;
    std::int32_t anzahl_buchungen = 0;
    std::int32_t aktuelle_buchung = 0;
    std::int32_t buchungsjahr = 0; // follows the settings' year, see masterdata::buchungsjahr
    std::filesystem::path startverzeichnis;
    // What the program brings along (charts, exercises, "loesungen/").
    std::filesystem::path programmdaten;

    virtual Dialoge& dialoge() = 0;

    // Makes a page the visible one; its show handler runs only when the page
    // was not visible before. A field being edited on the old page loses the
    // focus first, so its focus-leave handler runs while its page is shown.
    virtual void seite_zeigen(QWidget* seite) = 0;
    virtual QWidget* sichtbare_seite() const = 0;

    // The handler that runs (through the command runner) each time `seite`
    // becomes the visible page.
    virtual void registriere_zeige_handler(QWidget* seite, std::function<void()> handler) = 0;

    // The settings as the company and settings pages hold them now.
    virtual masterdata::Einstellungen einstellungen() const = 0;
    // Writes them to einstellungen.txt when they changed, as a step of the
    // history named `beschreibung` (Windows-1252); the booking year follows.
    void einstellungen_sichern(const std::string& beschreibung);
    // What the reports read: the chart number, the company data and the zero-account switch.
    reports::Berichtsdaten berichtsdaten() const;

    // The text of the company-name field (Edit1).
    virtual QString firmenname() const = 0;
    // The item of the disabled radio group "Aktuell": 0 to 3, -1 for none.
    virtual int kontenplan_index() const = 0;
    virtual void setze_kontenplan_index(int index) = 0;
    // Writes aktuelle_buchung "/" anzahl_buchungen into the booking page's position label.
    virtual void position_schreiben() = 0;
    // Replaces the items of the exercise check list by `zeilen` (Windows-1252), all unticked.
    virtual void aufgabenliste_fuellen(const std::vector<std::string>& zeilen) = 0;
    // Shows the lines of "Prüfen" (Windows-1252) on the page "Prüfergebnis".
    virtual void pruefergebnis_zeigen(const std::vector<std::string>& zeilen) = 0;

    // "Rückgängig" (Ctrl+Z): asks, then takes back the last change of the
    // journal or the settings and shows the state before it.
    virtual void rueckgaengig() = 0;
    // "Wiederholen" (Ctrl+Y): makes the change taken back last again.
    virtual void wiederholen() = 0;
    // Shows the page "Abschluss" (the year-end closing), built afresh.
    virtual void abschluss_zeigen() = 0;
    // Puts up the exercise page's buttons and titles anew (the exercise
    // folder changed, or an exercise was written).
    virtual void aufgaben_neu_lesen() = 0;

    // Whether `text` (Windows-1252) names an account of the selected chart;
    // without a chart the user is told so and the answer is false.
    bool ist_konto(const std::string& text);
};

} // namespace saldino::gui
