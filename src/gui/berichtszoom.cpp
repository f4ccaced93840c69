#include "gui/berichtszoom.h"

#include "runtime/dateien.h"
#include "runtime/fehler.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace saldino::gui {

namespace {

// The file holds one line "zoom=<percent>".
constexpr QByteArrayView schluessel = "zoom=";

} // namespace

Berichtszoom& Berichtszoom::instanz() {
    static Berichtszoom zoom;
    return zoom;
}

void Berichtszoom::setze(int prozent) {
    frei_ = false;
    prozent = std::clamp(prozent, kleinster, groesster);
    if (prozent == prozent_) {
        return;
    }
    prozent_ = prozent;
    sichern();
    emit geaendert();
}

void Berichtszoom::groesser() {
    setze(std::max(prozent_ + 1, static_cast<int>(std::lround(prozent_ * 1.1))));
}

void Berichtszoom::kleiner() {
    setze(std::min(prozent_ - 1, static_cast<int>(std::lround(prozent_ / 1.1))));
}

void Berichtszoom::datei_setzen(const QString& pfad) {
    datei_ = pfad;
    frei_ = false;
    if (pfad.isEmpty()) {
        return;
    }
    // Through the program's reader: a FIFO or a device in its place is refused, never waited for.
    std::string inhalt;
    try {
        inhalt = runtime::lies_ganz(QFile::encodeName(pfad).toStdString());
    } catch (const runtime::Laufzeitfehler&) {
        frei_ = true;
        return;
    }
    const QByteArray zeile =
        QByteArray::fromStdString(inhalt.substr(0, inhalt.find('\n')).substr(0, 64)).trimmed();
    bool gelesen = false;
    const int wert =
        zeile.startsWith(schluessel) ? zeile.mid(schluessel.size()).toInt(&gelesen) : 0;
    if (gelesen) {
        prozent_ = std::clamp(wert, kleinster, groesster);
        emit geaendert();
    }
}

QString Berichtszoom::standarddatei() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return ordner.isEmpty() ? QString() : ordner + QStringLiteral("/saldino/ansicht.txt");
}

// A zoom that cannot be kept is no reason to bother the pupil: it stays for the run.
void Berichtszoom::sichern() const {
    if (datei_.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(datei_).absolutePath());
    QSaveFile datei(datei_);
    if (datei.open(QIODevice::WriteOnly)) {
        datei.write(schluessel.toByteArray() + QByteArray::number(prozent_) + '\n');
        datei.commit();
    }
}

} // namespace saldino::gui
