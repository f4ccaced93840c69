#pragma once

#include <filesystem>

class QApplication;
class QTranslator;

namespace saldino::app {

// What the program sets for the whole application before its window opens:
// the name and icon, and Qt's own texts in German (file dialogs, context
// menus, standard buttons). No display name is set: on X11 Qt would append
// it to every window title, and the question boxes must be captioned
// "Bestätigung" alone. Returns the translator installed, or nullptr when
// Qt's German translation is not installed.
QTranslator* anwendung_einrichten(QApplication& anwendung);

// Where the program keeps what it brings along: "share/saldino" beside an
// installed program, "data/" of the checkout it was built from otherwise.
std::filesystem::path programmdatenordner();

} // namespace saldino::app
