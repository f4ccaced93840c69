// What a screen reader and a keyboard user meet on every page: each control
// that takes the focus has a name of its own, a labelled field the label's
// text, and Tab reaches every command.
#include "app/fenster.h"
#include "backup/sicherung.h"
#include "gui/bausteine.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "journal/eroeffnungsseite.h"
#include "masterdata/einstellungen.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>

#include <map>

namespace saldino::test {
namespace {

// What a screen reader reads as the control's name.
QString zugangsname(QWidget* feld) {
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(feld);
    return zugang == nullptr ? QString() : zugang->text(QAccessible::Name);
}

// The controls a user can reach on the page shown (and in both panels).
QList<QWidget*> erreichbare(QWidget* fenster) {
    QList<QWidget*> felder;
    for (QWidget* feld : fenster->findChildren<QWidget*>()) {
        if (feld->isVisibleTo(fenster) && feld->isEnabled() &&
            (feld->focusPolicy() & Qt::TabFocus) != 0 && feld->focusProxy() == nullptr) {
            felder.append(feld);
        }
    }
    return felder;
}

class ZugangTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        masterdata::Einstellungen werte;
        masterdata::lies_einstellungen(werte);
        ASSERT_EQ(backup::lade_sicherung(loesung(1), werte).ungueltige_zeile, 0);
    }
};

TEST_F(ZugangTest, EveryControlOfEveryPageHasANameOfItsOwn) {
    starte();
    for (int i = 0; i < form->PageControl1->count(); ++i) {
        QWidget* seite = form->PageControl1->widget(i);
        form->seite_zeigen(seite);
        QApplication::processEvents();
        std::map<QString, QString> vergeben;
        for (QWidget* feld : erreichbare(form.get())) {
            const QString name = zugangsname(feld);
            EXPECT_FALSE(name.isEmpty())
                << seite->objectName().toStdString() << ": " << feld->objectName().toStdString();
            if (!name.isEmpty()) {
                const auto [frueher, neu] = vergeben.emplace(name, feld->objectName());
                EXPECT_TRUE(neu) << seite->objectName().toStdString() << ": "
                                 << feld->objectName().toStdString() << " and "
                                 << frueher->second.toStdString() << " are both \""
                                 << name.toStdString() << "\"";
            }
        }
        // A field with a label is called what the label says, without its colon.
        for (QLabel* label : seite->findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                EXPECT_EQ(zugangsname(label->buddy()),
                          label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed())
                    << label->objectName().toStdString();
            }
        }
    }
}

// Tab from the page's first control walks every command of the page and of
// both panels and comes round again: no control holds the focus.
TEST_F(ZugangTest, TabReachesEveryCommandOfEveryPage) {
    starte();
    for (int i = 0; i < form->PageControl1->count(); ++i) {
        QWidget* seite = form->PageControl1->widget(i);
        form->seite_zeigen(seite);
        QApplication::processEvents();
        const QList<QWidget*> felder = erreichbare(form.get());
        ASSERT_FALSE(felder.isEmpty());
        QWidget* anfang = form->nextInFocusChain();
        while (!felder.contains(anfang)) {
            anfang = anfang->nextInFocusChain();
        }
        anfang->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> erreicht = {anfang};
        for (qsizetype n = 0; n < 3 * felder.size(); ++n) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* jetzt = QApplication::focusWidget();
            ASSERT_NE(jetzt, nullptr);
            while (jetzt->focusProxy() != nullptr) {
                jetzt = jetzt->focusProxy();
            }
            if (jetzt == anfang) {
                break;
            }
            erreicht.insert(jetzt->parentWidget() != nullptr &&
                                    qobject_cast<QComboBox*>(jetzt->parentWidget()) != nullptr
                                ? jetzt->parentWidget()
                                : jetzt);
        }
        EXPECT_EQ(QApplication::focusWidget(), anfang) << seite->objectName().toStdString();
        // Every command shown, whatever its focus policy (radio buttons are
        // one stop, walked with the arrows).
        for (QAbstractButton* knopf : form->findChildren<QAbstractButton*>()) {
            if (knopf->isVisibleTo(form.get()) && knopf->isEnabled() &&
                qobject_cast<QRadioButton*>(knopf) == nullptr) {
                EXPECT_TRUE(erreicht.contains(knopf)) << seite->objectName().toStdString() << ": "
                                                      << knopf->objectName().toStdString();
            }
        }
    }
}

// The opening grid tells a screen reader its column and the account of each row.
TEST_F(ZugangTest, TheOpeningGridNamesItsColumnsAndRows) {
    starte();
    klicke(knopf::eroeffnungsbuchungen);
    QAccessibleInterface* tabelle =
        QAccessible::queryAccessibleInterface(form->TabSheet3->StringGrid2);
    ASSERT_NE(tabelle, nullptr);
    ASSERT_NE(tabelle->tableInterface(), nullptr);
    EXPECT_EQ(tabelle->tableInterface()->columnDescription(1), QStringLiteral("Eröffnungsbetrag"));
    EXPECT_EQ(tabelle->tableInterface()->rowDescription(0), QStringLiteral("Gebäude"));
    EXPECT_EQ(tabelle->tableInterface()->rowDescription(7), QStringLiteral("Kasse"));
}

} // namespace
} // namespace saldino::test
