#pragma once

#include "gui/berichtsansicht.h"
#include "reports/berichtsdaten.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace saldino::gui {
class Programm;
}

class QLabel;

namespace saldino::reports {

// A report page: one report view filled from a report builder of the core,
// and under it the row of commands to print, save as PDF and zoom.
class BerichtsSeite : public QWidget {
    Q_OBJECT

public:
    // A report built from what the reports read of the settings; it may leave
    // a notice for the line above it (UTF-8).
    using Quelle = std::function<std::optional<std::string>(const Berichtsdaten&, const Zeilenziel&,
                                                            std::string&)>;

    BerichtsSeite(gui::Programm& programm, QWidget* eltern, const char* seitenname,
                  const char* ansichtsname, gui::Schrift schrift, const QString& titel);
    Q_DISABLE_COPY_MOVE(BerichtsSeite)

    void zeige(const gui::Bericht& bericht);

    // The page's show handler (TabSheet5Show, TabSheet6Show, TabSheet11Show):
    // builds the report afresh each time the page becomes visible.
    void baue_beim_zeigen(Quelle quelle);

    gui::Berichtsansicht* Memo = nullptr;
    QLabel* Hinweis = nullptr; // red above the report, shown only with a notice
    QWidget* leiste = nullptr; // "Drucken…", "Als PDF…", "Größer", "Kleiner"

private:
    gui::Programm& programm_;
};

// The pages "Bilanz und GuV" (TabSheet5), "Journal" (TabSheet6),
// "Betriebsergebnis" (TabSheet11) and "Prüfergebnis" (TabSheet12, filled by "Prüfen").
BerichtsSeite* bilanzseite(gui::Programm& programm, QWidget* eltern);
BerichtsSeite* journalseite(gui::Programm& programm, QWidget* eltern);
BerichtsSeite* betriebsergebnisseite(gui::Programm& programm, QWidget* eltern);
BerichtsSeite* pruefergebnisseite(gui::Programm& programm, QWidget* eltern);
// "Abschluss" (TabSheet13), reached from the command row of "Bilanz und GuV".
BerichtsSeite* abschlussseite(gui::Programm& programm, QWidget* eltern);

} // namespace saldino::reports
