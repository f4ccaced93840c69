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

std::filesystem::path programmdatenordner() {
    const std::filesystem::path installiert =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / ".." /
        "share" / "saldino";
    std::error_code fehler;
    if (std::filesystem::is_directory(installiert / "loesungen", fehler)) {
        return std::filesystem::weakly_canonical(installiert, fehler);
    }
    return SALDINO_QUELLDATEN;
}

} // namespace saldino::app
