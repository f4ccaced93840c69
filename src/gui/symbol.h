#pragma once

#include <QIcon>

namespace saldino::gui {

// The program's icon, drawn from the SVG built into the program at the sizes a
// desktop asks for.
QIcon programmsymbol();

} // namespace saldino::gui
