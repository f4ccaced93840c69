#pragma once

#include "reports/spalten.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;

namespace saldino::app {
class TForm1;
}

namespace saldino::reports {

// The font of a report view.
struct Schrift {
    const char* familie;
    int pixel;
    bool fett;
};

// A builder hands its lines to the sink and returns the program's message, if any.
using Bericht = std::function<std::optional<std::string>(const Zeilenziel&)>;

// A multi-line view in a fixed-pitch font, no wrapping, both scroll bars.
QPlainTextEdit* berichtsansicht(QWidget* eltern, const char* name, Schrift schrift);

// Replaces the view's text by the report's lines, set at once, and shows the
// report's message, if any. When the builder fails part-way, the lines built
// so far are shown; when it fails before its first line, the view keeps its text.
void fuelle(QPlainTextEdit& ansicht, app::TForm1& form, const Bericht& bericht);

// A report page: one fixed-pitch text view that the page's show handler
// fills from a report builder of the core.
class Berichtsseite : public QWidget {
    Q_OBJECT

public:
    Berichtsseite(app::TForm1& form, QWidget* eltern, const char* seitenname,
                  const char* ansichtsname, Schrift schrift);
    Q_DISABLE_COPY_MOVE(Berichtsseite)

    void zeige(const Bericht& bericht) { fuelle(*Memo, form_, bericht); }

    QPlainTextEdit* Memo = nullptr;

private:
    app::TForm1& form_;
};

} // namespace saldino::reports
