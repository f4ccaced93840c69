#include "app/startseite.h"

#include "backup/programmdateien.h"
#include "gui/bausteine.h"
#include "gui/programm.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/rtf.h"

#include <QLabel>
#include <QPixmap>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace saldino::app {

namespace {

using backup::hinweisdatei;

QTextCharFormat zeichenformat(const runtime::RtfFormat& format) {
    QTextCharFormat ergebnis;
    ergebnis.setFontWeight(format.fett ? QFont::Bold : QFont::Normal);
    ergebnis.setFontItalic(format.kursiv);
    ergebnis.setFontUnderline(format.unterstrichen);
    ergebnis.setFontPointSize(format.halbpunkte / 2.0);
    return ergebnis;
}

void fuelle(QTextDocument& dokument, const runtime::RtfDokument& rtf) {
    dokument.clear();
    QTextCursor cursor(&dokument);
    bool erster = true;
    for (const auto& absatz : rtf.absaetze) {
        if (!erster) {
            cursor.insertBlock();
        }
        erster = false;
        for (const auto& lauf : absatz.laeufe) {
            cursor.insertText(QString::fromUtf8(lauf.text), zeichenformat(lauf.format));
        }
    }
}

} // namespace

StartSeite::StartSeite(gui::Programm& programm, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("TabSheet1"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(112, 16, 417, 193);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/saldino/titelbild.bmp")));

    Label1 =
        gui::beschriftung(this, "Label1", QStringLiteral("Saldino – Buchführung lernen"), 112, 248);
    QFont titel = Label1->font();
    titel.setPixelSize(19);
    titel.setBold(true);
    Label1->setFont(titel);
    Label1->adjustSize();

    Label2 =
        gui::beschriftung(this, "Label2",
                          QStringLiteral("Version %1 – doppelte Buchführung für den Unterricht")
                              .arg(QStringLiteral(SALDINO_VERSION)),
                          144, 280);
    QFont version = Label2->font();
    version.setPixelSize(13);
    Label2->setFont(version);
    Label2->adjustSize();

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(40, 312, 593, 113);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The notice is read, not written: its text can be selected and walked
    // with the keys, and Tab goes on to the next control.
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setAccessibleName(QStringLiteral("Wichtiger Hinweis"));

    programm.registriere_zeige_handler(this, [this] { TabSheet1Show(); });
}

void StartSeite::TabSheet1Show() {
    RichEdit1->clear();
    std::string inhalt;
    try {
        inhalt = runtime::lies_ganz(hinweisdatei);
    } catch (const runtime::Laufzeitfehler& fehler) {
        runtime::wirf_nicht_oeffnbar(runtime::voller_pfad(hinweisdatei), fehler.meldung());
    }
    fuelle(*RichEdit1->document(), runtime::lies_rtf(inhalt));
    RichEdit1->moveCursor(QTextCursor::Start);
}

} // namespace saldino::app
