#include "reports/berichtsseite.h"

#include "app/dialoge.h"
#include "app/qtext.h"
#include "app/tform1.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace saldino::reports {

Berichtsseite::Berichtsseite(app::TForm1& form, QWidget* eltern, const char* seitenname,
                             const char* ansichtsname, Schrift schrift)
    : QWidget(eltern), form_(form) {
    setObjectName(QString::fromLatin1(seitenname));
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QString::fromLatin1(ansichtsname));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QString::fromLatin1(schrift.familie));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(schrift.pixel);
    font.setBold(schrift.fett);
    Memo->setFont(font);
    rahmen->addWidget(Memo);
}

void Berichtsseite::zeige(const Bericht& bericht) {
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
            Memo->setPlainText(app::alsQString(text));
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
        form_.dialoge().meldung(app::alsQString(*meldung));
    }
}

} // namespace saldino::reports
