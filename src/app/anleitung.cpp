#include "app/anleitung.h"

#include "app/anwendung.h"

#include <QCoreApplication>
#include <QProcess>

namespace saldino::app {

namespace {

const QString oeffner = QStringLiteral("xdg-open");

// Why the launcher did not open the file, in words.
QString grund(const QProcess& prozess) {
    if (prozess.error() == QProcess::FailedToStart) {
        return QStringLiteral("%1 fehlt (Paket xdg-utils)").arg(oeffner);
    }
    if (prozess.exitStatus() == QProcess::CrashExit) {
        return QStringLiteral("%1 ist abgestürzt").arg(oeffner);
    }
    return QStringLiteral("kein Programm für PDF-Dateien gefunden (%1: Status %2)")
        .arg(oeffner)
        .arg(prozess.exitCode());
}

} // namespace

std::filesystem::path programmanleitung() {
    std::error_code fehler;
    const std::filesystem::path installiert = programmdatenordner() / "Anleitung.pdf";
    return std::filesystem::is_regular_file(installiert, fehler)
               ? installiert
               : std::filesystem::path(SALDINO_ANLEITUNG_BAU);
}

std::filesystem::path anleitung() {
    std::error_code fehler;
    const std::filesystem::path hier = std::filesystem::current_path(fehler) / "Anleitung.pdf";
    return std::filesystem::is_regular_file(hier, fehler) ? hier : programmanleitung();
}

QString oeffne_und_warte(const std::filesystem::path& pdf) {
    QProcess prozess;
    prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    prozess.start(oeffner, {QString::fromStdString(pdf.string())});
    if (!prozess.waitForFinished(-1) || prozess.exitStatus() != QProcess::NormalExit ||
        prozess.exitCode() != 0) {
        return grund(prozess);
    }
    return {};
}

void oeffne(const std::filesystem::path& pdf, std::function<void(const QString&)> gescheitert) {
    // The launcher belongs to the program, not to the window: closing the
    // window leaves the viewer alone; the program's end ends a launcher still waiting.
    auto* prozess = new QProcess(QCoreApplication::instance());
    prozess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(prozess, &QProcess::finished, prozess, [prozess, gescheitert] {
        if (prozess->exitStatus() != QProcess::NormalExit || prozess->exitCode() != 0) {
            gescheitert(grund(*prozess));
        }
        prozess->deleteLater();
    });
    QObject::connect(prozess, &QProcess::errorOccurred, prozess,
                     [prozess, gescheitert](QProcess::ProcessError art) {
                         if (art == QProcess::FailedToStart) {
                             gescheitert(grund(*prozess));
                             prozess->deleteLater();
                         }
                     });
    prozess->start(oeffner, {QString::fromStdString(pdf.string())});
}

} // namespace saldino::app
