#include "gui/berichtsansicht.h"

#include "gui/dialoge.h"
#include "gui/qtext.h"

#include <QPlainTextEdit>

namespace saldino::gui {

QPlainTextEdit* berichtsansicht(QWidget* eltern, const char* name, Schrift schrift) {
    auto* ansicht = new QPlainTextEdit(eltern);
    ansicht->setObjectName(QString::fromLatin1(name));
    ansicht->setLineWrapMode(QPlainTextEdit::NoWrap);
    ansicht->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ansicht->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QString::fromLatin1(schrift.familie));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(schrift.pixel);
    font.setBold(schrift.fett);
    ansicht->setFont(font);
    return ansicht;
}

void fuelle(QPlainTextEdit& ansicht, Dialoge& dialoge, const Bericht& bericht) {
    std::string text;
    bool begonnen = false;
    const reports::Zeilenziel ziel = [&](std::string_view zeile) {
        if (begonnen) {
            text += '\n';
        }
        text.append(zeile);
        begonnen = true;
    };
    const auto setzen = [&] {
        if (begonnen) {
            ansicht.setPlainText(als_qstring(text));
        }
    };
    std::optional<std::string> meldung;
    try {
        meldung = bericht(ziel);
    } catch (...) {
        setzen();
        throw;
    }
    setzen();
    if (meldung) {
        dialoge.meldung(als_qstring(*meldung));
    }
}

} // namespace saldino::gui
