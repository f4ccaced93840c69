#pragma once

#include "reports/spalten.h"

#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;
class QWidget;

namespace saldino::gui {

class Dialoge;

// The font of a report view.
struct Schrift {
    const char* familie;
    int pixel;
    bool fett;
};

// A builder hands its lines to the sink and returns the program's message, if any.
using Bericht = std::function<std::optional<std::string>(const reports::Zeilenziel&)>;

// A multi-line view in a fixed-pitch font, no wrapping, both scroll bars.
QPlainTextEdit* berichtsansicht(QWidget* eltern, const char* name, Schrift schrift);

// Replaces the view's text by the report's lines, set at once, and shows the
// report's message, if any. When the builder fails part-way, the lines built
// so far are shown; when it fails before its first line, the view keeps its text.
void fuelle(QPlainTextEdit& ansicht, Dialoge& dialoge, const Bericht& bericht);

} // namespace saldino::gui
