#pragma once

#include "gui/berichtsansicht.h"

class QPagedPaintDevice;

namespace saldino::gui {

// Prints the report's lines on the pages of `geraet` (a printer or a PDF):
// the company name and the title at the top of every page, "Seite n von m"
// at its foot, the lines in a fixed-pitch font of at most 10 points, smaller
// where the widest line would not fit the width, never a line cut in two.
void drucke(QPagedPaintDevice& geraet, const Druckkopf& kopf, const reports::Zeilenquelle& quelle);

} // namespace saldino::gui
