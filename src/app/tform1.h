#pragma once

#include "masterdata/einstellungen.h"

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>

class QFrame;
class QListWidget;
class QSplitter;
class QStackedWidget;
class QToolButton;

namespace saldino::masterdata {
class EinstellungsSeite;
class FirmenSeite;
class KontenplanSeite;
} // namespace saldino::masterdata
namespace saldino::journal {
class BuchungsSeite;
class EroeffnungsSeite;
} // namespace saldino::journal
namespace saldino::backup {
class AufgabenSeite;
}
namespace saldino::reports {
class Berichtsseite;
class KontenblattSeite;
struct Berichtsdaten;
} // namespace saldino::reports

namespace saldino::app {

class Dialoge;
class StartSeite;

// The main window: the two command panels, the page stack, the program-wide
// values and the pages. Each page owns its controls and their handlers.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Runs the start-up sequence (FormCreate); its error boxes go to `dialoge`.
    explicit TForm1(Dialoge& dialoge, QWidget* eltern = nullptr);
    ~TForm1() override;
    Q_DISABLE_COPY_MOVE(TForm1)

    // The program-wide values.
    std::int32_t kontenplan_nr = 0;
    std::int32_t anzahl_buchungen = 0;
    std::int32_t aktuelle_buchung = 0;
    std::int32_t buchungsjahr = 0;
    std::filesystem::path startverzeichnis;

    Dialoge& dialoge() { return dialoge_; }

    // The command runner: runs one command, a handler or a start-up step; a
    // runtime error ends it with an error box and the program carries on.
    void befehl(const std::function<void()>& schritt);

    // Makes a page the visible one; its show handler runs only when the page
    // was not visible before. A field being edited on the old page loses the
    // focus first, so its focus-leave handler runs while its page is shown.
    void seite_zeigen(QWidget* seite);
    QWidget* sichtbare_seite() const;

    // The handler that runs each time `seite` becomes the visible page.
    void zeige_handler(QWidget* seite, std::function<void()> handler);

    void einstellungen_sichern();
    masterdata::Einstellungen einstellungen() const;

    // What the reports read: the chart number, the company data and the zero-account switch.
    reports::Berichtsdaten berichtsdaten() const;

    void TabSheet5Show();
    void TabSheet6Show();
    void TabSheet11Show();

    // Whether `text` (Windows-1252) names an account of the selected chart;
    // without a chart the user is told so and the answer is false.
    bool ist_konto(const std::string& text);

    // Writes aktuelle_buchung "/" anzahl_buchungen into the booking page's Label45.
    void position_schreiben();

    void FormCreate();
    void SpeedButton30Click();
    void SpeedButton31Click();
    void SpeedButton33Click();
    void SpeedButton34Click();

    // Panels and page stack.
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QListWidget* CheckListBox1 = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    QSplitter* Splitter1 = nullptr;

    // Pages.
    StartSeite* TabSheet1 = nullptr;
    masterdata::FirmenSeite* TabSheet2 = nullptr;
    journal::EroeffnungsSeite* TabSheet3 = nullptr;
    journal::BuchungsSeite* TabSheet4 = nullptr;
    reports::Berichtsseite* TabSheet5 = nullptr;
    reports::Berichtsseite* TabSheet6 = nullptr;
    masterdata::EinstellungsSeite* TabSheet7 = nullptr;
    backup::AufgabenSeite* TabSheet8 = nullptr;
    masterdata::KontenplanSeite* TabSheet9 = nullptr;
    reports::KontenblattSeite* TabSheet10 = nullptr;
    reports::Berichtsseite* TabSheet11 = nullptr;
    reports::Berichtsseite* TabSheet12 = nullptr; // "Prüfergebnis", filled by "Prüfen"

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void panels_anlegen();
    void seiten_anlegen();
    void knopf(QWidget* panel, const char* name, const QString& text, const QRect& ort,
               std::function<void()> befehl);
    void seitenwechsel(int index);
    void einstellungen_lesen();

    Dialoge& dialoge_;
    QString letzte_sicherung_; // the file "Alles Speichern" proposes
    std::map<QWidget*, std::function<void()>> zeige_handler_;
    bool erstmals_gezeigt_ = false;
};

} // namespace saldino::app
