#pragma once

#include "gui/programm.h"

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
class BerichtsSeite;
class KontenblattSeite;
} // namespace saldino::reports

namespace saldino::app {

class StartSeite;

// The main window: the two command panels, the page stack, the program-wide
// values and the pages. Each page owns its controls and their handlers and
// sees the window only as a gui::Programm.
class TForm1 : public QWidget, public gui::Programm {
    Q_OBJECT

public:
    // Runs the start-up sequence (FormCreate); its error boxes go to `dialoge`.
    explicit TForm1(gui::Dialoge& dialoge, QWidget* eltern = nullptr);
    ~TForm1() override;
    Q_DISABLE_COPY_MOVE(TForm1)

    // gui::Programm
    void befehl(const std::function<void()>& schritt) override;
    gui::Dialoge& dialoge() override { return dialoge_; }
    void seite_zeigen(QWidget* seite) override;
    QWidget* sichtbare_seite() const override;
    void registriere_zeige_handler(QWidget* seite, std::function<void()> handler) override;
    masterdata::Einstellungen einstellungen() const override;
    QString firmenname() const override;
    int kontenplan_index() const override;
    void setze_kontenplan_index(int index) override;
    void position_schreiben() override;
    void aufgabenliste_fuellen(const std::vector<std::string>& zeilen) override;
    void pruefergebnis_zeigen(const std::vector<std::string>& zeilen) override;
    void rueckgaengig() override;
    void wiederholen() override;
    void abschluss_zeigen() override;
    void aufgaben_neu_lesen() override;

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
    reports::BerichtsSeite* TabSheet5 = nullptr;
    reports::BerichtsSeite* TabSheet6 = nullptr;
    masterdata::EinstellungsSeite* TabSheet7 = nullptr;
    backup::AufgabenSeite* TabSheet8 = nullptr;
    masterdata::KontenplanSeite* TabSheet9 = nullptr;
    reports::KontenblattSeite* TabSheet10 = nullptr;
    reports::BerichtsSeite* TabSheet11 = nullptr;
    reports::BerichtsSeite* TabSheet12 = nullptr; // "Prüfergebnis", filled by "Prüfen"
    reports::BerichtsSeite* TabSheet13 = nullptr; // "Abschluss", from "Bilanz und GuV"

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void panels_anlegen();
    void tabfolge_anlegen();
    void aufgabenstand_sichern();
    void aufgabe_wiederherstellen();
    void seiten_anlegen();
    // A flat button of a panel; a button that shows `seite` is marked while it is shown.
    void knopf(QWidget* panel, const char* name, const QString& text, const QRect& ort,
               std::function<void()> befehl, QWidget* seite = nullptr);
    void seitenknoepfe_markieren();
    void seitenwechsel(int index);
    void lade_einstellungen();
    // After a step of the history: the settings, the counters and the
    // visible page as the files now have them; `buchung` is the booking the
    // step concerned (0 for none).
    void stand_neu_laden(std::int32_t buchung);
    void kuerzel_anlegen();

    gui::Dialoge& dialoge_;
    QString letzte_sicherung_; // the file "Alles Speichern" proposes
    std::map<QWidget*, std::function<void()>> zeige_handler_;
    std::vector<std::pair<QWidget*, QToolButton*>> seitenknoepfe_;
    bool erstmals_gezeigt_ = false;
};

} // namespace saldino::app
