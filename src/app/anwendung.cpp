#include "app/anwendung.h"

#include "gui/symbol.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace saldino::app {

QTranslator* anwendung_einrichten(QApplication& anwendung) {
    QApplication::setApplicationName(QStringLiteral("Saldino"));
    QApplication::setDesktopFileName(QStringLiteral("saldino"));
    QApplication::setWindowIcon(gui::programmsymbol());
    auto* uebersetzer = new QTranslator(&anwendung);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return nullptr;
    }
    QApplication::installTranslator(uebersetzer);
    return uebersetzer;
}

} // namespace saldino::app
