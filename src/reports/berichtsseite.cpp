#include "reports/berichtsseite.h"

#include "app/dialoge.h"
#include "app/qtext.h"
#include "app/tform1.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace saldino::reports {

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

void fuelle(QPlainTextEdit& ansicht, app::TForm1& form, const Bericht& bericht) {
    std::string text;
    bool begonnen = false;
    const Zeilenziel ziel = [&](std::string_view zeile) {
        if (begonnen) {
            text += '\n';
        }
        text.append(zeile);
        begonnen = true;
    };
    const auto setzen = [&] {
        if (begonnen) {
            ansicht.setPlainText(app::alsQString(text));
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
        form.dialoge().meldung(app::alsQString(*meldung));
    }
}

Berichtsseite::Berichtsseite(app::TForm1& form, QWidget* eltern, const char* seitenname,
                             const char* ansichtsname, Schrift schrift)
    : QWidget(eltern), form_(form) {
    setObjectName(QString::fromLatin1(seitenname));
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    Memo = berichtsansicht(this, ansichtsname, schrift);
    rahmen->addWidget(Memo);
}

} // namespace saldino::reports
