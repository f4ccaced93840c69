#pragma once

#include "gui/berichtsansicht.h"
#include "reports/berichtsdaten.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;

namespace saldino::gui {
class Programm;
}

namespace saldino::reports {

// A report page: one fixed-pitch text view filled from a report builder of the core.
class BerichtsSeite : public QWidget {
    Q_OBJECT

public:
    // A report built from what the reports read of the settings.
    using Quelle =
        std::function<std::optional<std::string>(const Berichtsdaten&, const Zeilenziel&)>;

    BerichtsSeite(gui::Programm& programm, QWidget* eltern, const char* seitenname,
                  const char* ansichtsname, gui::Schrift schrift);
    Q_DISABLE_COPY_MOVE(BerichtsSeite)

    void zeige(const gui::Bericht& bericht);

    // The page's show handler (TabSheet5Show, TabSheet6Show, TabSheet11Show):
    // builds the report afresh each time the page becomes visible.
    void baue_beim_zeigen(Quelle quelle);

    QPlainTextEdit* Memo = nullptr;

private:
    gui::Programm& programm_;
};

// The pages "Bilanz und GuV" (TabSheet5), "Journal" (TabSheet6),
// "Betriebsergebnis" (TabSheet11) and "Prüfergebnis" (TabSheet12, filled by "Prüfen").
BerichtsSeite* bilanzseite(gui::Programm& programm, QWidget* eltern);
BerichtsSeite* journalseite(gui::Programm& programm, QWidget* eltern);
BerichtsSeite* betriebsergebnisseite(gui::Programm& programm, QWidget* eltern);
BerichtsSeite* pruefergebnisseite(gui::Programm& programm, QWidget* eltern);

} // namespace saldino::reports
