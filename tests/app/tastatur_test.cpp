// Saldino by keyboard alone: every key of the key table finds its button and
// is named in its tooltip, and exercise 1's opening balances and first three
// bookings are made with key events only, as the solution has them.
#include "app/fenster.h"
#include "backup/sicherung.h"
#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/steuerelemente.h"
#include "runtime/tastatur.h"

#include <QAbstractButton>
#include <QApplication>

#include <sstream>

namespace saldino::test {
namespace {

class TastaturTest : public FensterTest {
protected:
    void SetUp() override { verzeichnis.mit_daten(); }

    // A key as the user presses it, where the focus is.
    void taste(int taste, Qt::KeyboardModifiers mit = Qt::NoModifier) {
        QWidget* ziel =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : form.get();
        QTest::keyClick(ziel, static_cast<Qt::Key>(taste), mit);
        QApplication::processEvents();
    }

    // Text typed key by key (umlauts as the keys that give them).
    void tippe(const QString& text) {
        for (const QChar zeichen : text) {
            QWidget* ziel = QApplication::focusWidget();
            ASSERT_NE(ziel, nullptr);
            QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(zeichen),
                                Qt::NoModifier);
        }
        QApplication::processEvents();
    }

    // Tab until the focus is on `name` (at most once round the window).
    void tab_bis(const char* name) {
        for (int n = 0; n < 80; ++n) {
            QWidget* feld = QApplication::focusWidget();
            for (QWidget* w = feld; w != nullptr; w = w->parentWidget()) {
                if (w->objectName() == QLatin1String(name)) {
                    return;
                }
            }
            taste(Qt::Key_Tab);
        }
        FAIL() << name << " not reached by Tab";
    }

    // One booking in the form, from "Neu" to "Buchen".
    void buche(const QString& datum, const QString& person, const QString& grund,
               const QString& soll_konto, const QString& haben_konto, const QString& betrag) {
        taste(Qt::Key_N, Qt::AltModifier);
        tab_bis("Edit14");
        for (const QString& feld : {datum, person, grund}) {
            tippe(feld);
            taste(Qt::Key_Tab);
        }
        tippe(soll_konto);
        taste(Qt::Key_Tab);
        tippe(betrag);
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        tippe(haben_konto);
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        tippe(betrag);
        taste(Qt::Key_Tab);
        // "&Buchen" presses its button as Qt does an access key: a moment later.
        const std::int32_t vorher = form->anzahl_buchungen;
        taste(Qt::Key_B, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->anzahl_buchungen == vorher + 1; }));
    }
};

TEST_F(TastaturTest, EveryKeyFindsItsButtonAndIsNamedInItsTooltip) {
    starte();
    for (const runtime::Tastenkuerzel& eintrag : runtime::tastenkuerzel) {
        const std::string name(eintrag.knopf);
        auto* knopf = form->findChild<QAbstractButton*>(QString::fromStdString(name));
        ASSERT_NE(knopf, nullptr) << name;
        EXPECT_TRUE(knopf->toolTip().contains(
            QString::fromUtf8(eintrag.anzeige.data(), eintrag.anzeige.size())))
            << name << ": " << knopf->toolTip().toStdString();
    }
}

TEST_F(TastaturTest, Exercise1IsBookedWithKeysAlone) {
    starte();
    // "Kontenplan" (Ctrl+8), both questions answered, chart 1 (Alt+1).
    dialoge.antworte(true);
    dialoge.antworte(true);
    taste(Qt::Key_8, Qt::ControlModifier);
    dialoge.nimm_alle(Art::frage);
    taste(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(form->kontenplan_nr, 1);

    // "Eröffnungsbuchungen" (Ctrl+1): the amounts down the grid, the date, OK.
    taste(Qt::Key_1, Qt::ControlModifier);
    tab_bis("StringGrid2");
    taste(Qt::Key_Right);
    for (const char* betrag : {"80000", "40000", "25000", "15000", "20000", "8000", "30000", "2000",
                               "150000", "50000", "20000"}) {
        tippe(QString::fromLatin1(betrag));
        taste(Qt::Key_Return);
    }
    tab_bis("Edit27");
    tippe(QStringLiteral("01.01.04"));
    dialoge.antworte(true);
    taste(Qt::Key_O, Qt::AltModifier);
    dialoge.nimm(Art::frage);
    ASSERT_EQ(form->anzahl_buchungen, 11);

    // "Buchungen" (Ctrl+2): three bookings of the exercise.
    taste(Qt::Key_2, Qt::ControlModifier);
    buche(QStringLiteral("02.01.04"), QStringLiteral("selbst"),
          QStringLiteral("Barabhebung vom Bankkonto"), QStringLiteral("Kasse"),
          QStringLiteral("Bank"), QStringLiteral("1000"));
    buche(QStringLiteral("05.01.04"), QStringLiteral("Kunde"),
          QStringLiteral("Kunde überweist eine Rechnung"), QStringLiteral("Bank"),
          QStringLiteral("Forderungen"), QStringLiteral("3000"));
    buche(QStringLiteral("08.01.04"), QStringLiteral("Möbelhaus"),
          QStringLiteral("Kauf eines Schreibtischs"),
          QStringLiteral("Betriebs- und Geschäftsausstattung"), QStringLiteral("Bank"),
          QStringLiteral("2500"));
    ASSERT_EQ(form->anzahl_buchungen, 14);

    // The journal as the solution has it, booking for booking.
    backup::schreibe_sicherung("tasten.sdn", {}, 1);
    const auto zeilen = [](const std::string& text) {
        std::vector<std::string> liste;
        std::istringstream strom(text);
        for (std::string zeile; std::getline(strom, zeile);) {
            liste.push_back(zeile);
        }
        return liste;
    };
    const auto gebucht = zeilen(verzeichnis.lies("tasten.sdn"));
    const auto loesung1 = zeilen(Arbeitsverzeichnis::lies_datei(loesung(1)));
    ASSERT_GE(gebucht.size(), 15u);
    for (std::size_t i = 1; i < 15; ++i) {
        EXPECT_EQ(gebucht[i], loesung1[i]) << "booking " << i;
    }
}

// Enter in a field of "Grundeinstellungen" is its "OK".
TEST_F(TastaturTest, EnterOnTheCompanyDataIsOk) {
    starte();
    taste(Qt::Key_Tab);
    tab_bis("SpeedButton35");
    taste(Qt::Key_Space);
    tab_bis("Edit1");
    tippe(QStringLiteral("Tasten KG"));
    taste(Qt::Key_Return);
    EXPECT_NE(verzeichnis.lies("einstellungen.txt").find("Tasten KG"), std::string::npos);
}

} // namespace
} // namespace saldino::test
