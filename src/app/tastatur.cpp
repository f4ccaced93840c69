// The window's keys: undo and redo, and the commands of the key table
// (runtime/tastatur.h), each named in its button's tooltip.
#include "runtime/tastatur.h"
#include "app/tform1.h"

#include <QAbstractButton>
#include <QShortcut>

#include <map>
#include <vector>

namespace saldino::app {

void TForm1::kuerzel_anlegen() {
    const auto kuerzel = [this](const QKeySequence& tasten, void (TForm1::*befehl_)()) {
        auto* taste = new QShortcut(tasten, this);
        taste->setContext(Qt::WindowShortcut);
        connect(taste, &QShortcut::activated, this,
                [this, befehl_] { befehl([this, befehl_] { (this->*befehl_)(); }); });
    };
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_Z), &TForm1::rueckgaengig);
    kuerzel(QKeySequence(Qt::CTRL | Qt::Key_Y), &TForm1::wiederholen);
    kuerzel(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TForm1::wiederholen);

    // One key may serve a command on several pages ("OK"): it runs the one shown.
    std::map<std::string_view, std::vector<QAbstractButton*>> knoepfe;
    for (const runtime::Tastenkuerzel& eintrag : runtime::tastenkuerzel) {
        auto* knopf = findChild<QAbstractButton*>(QString::fromLatin1(
            eintrag.knopf.data(), static_cast<qsizetype>(eintrag.knopf.size())));
        if (knopf == nullptr) {
            continue;
        }
        const QString anzeige = QString::fromUtf8(eintrag.anzeige.data(),
                                                  static_cast<qsizetype>(eintrag.anzeige.size()));
        if (knopf->toolTip().isEmpty()) {
            knopf->setToolTip(QString(knopf->text()).remove(QLatin1Char('&')));
        }
        knopf->setToolTip(QStringLiteral("%1 (%2)").arg(knopf->toolTip(), anzeige));
        // A caption's own access key ("&Buchen") is Qt's already.
        if (!knopf->text().contains(QLatin1Char('&'))) {
            knoepfe[eintrag.tasten].push_back(knopf);
        }
    }
    for (const auto& [tasten, auswahl] : knoepfe) {
        auto* taste = new QShortcut(
            QKeySequence(QString::fromLatin1(tasten.data(), static_cast<qsizetype>(tasten.size()))),
            this);
        taste->setContext(Qt::WindowShortcut);
        connect(taste, &QShortcut::activated, this, [auswahl] {
            for (QAbstractButton* knopf : auswahl) {
                if (knopf->isVisible() && knopf->isEnabled()) {
                    knopf->click();
                    return;
                }
            }
        });
    }
}

} // namespace saldino::app
