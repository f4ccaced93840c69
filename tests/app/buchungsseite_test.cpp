#include "app/fenster.h"
#include "hilfen/steuerelemente.h"
#include "hilfen/testnamen.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "journal/buchungsseite_hinweise.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

namespace saldino::test {
namespace {

using journal::TBuchung;

const QString nicht_gefunden = QStringLiteral("Konto nicht gefunden!");

class BuchungsTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("-1\r\n")) + "0\r\n");
    }

    // n bookings "Buchung 1" to "Buchung n": Kasse to Bank, 10 times k.
    void journal_mit(int n) {
        journal::journal_sichern();
        for (int k = 1; k <= n; ++k) {
            TBuchung b;
            b.Datum = "01.02.2004";
            b.Grund = "Buchung " + std::to_string(k);
            b.Konto = {"Kasse", "Bank", "", "", ""};
            b.Soll[0] = 10.0 * k;
            b.Haben[1] = 10.0 * k;
            journal::buchung_anhaengen(b);
        }
    }

    void oeffne() {
        starte();
        klicke(knopf::buchungen);
    }

    journal::BuchungsSeite* seite() { return form->TabSheet4; }

    // Types into a field that has the focus, without leaving it.
    void tippe_nur(QWidget* feld, const QString& text) {
        feld->setFocus(Qt::MouseFocusReason);
        auto* zeile = qobject_cast<QLineEdit*>(feld);
        if (zeile == nullptr) {
            zeile = qobject_cast<QComboBox*>(feld)->lineEdit();
        }
        zeile->selectAll();
        QTest::keyClick(zeile, Qt::Key_Delete);
        bool ascii = true;
        for (QChar c : text) {
            ascii = ascii && c.unicode() < 0x80;
        }
        // QTest has no keys for umlauts; those are inserted as typed text.
        if (ascii) {
            QTest::keyClicks(zeile, text);
        } else {
            zeile->insert(text);
        }
    }

    // Types into a field and then clicks elsewhere, so its focus-leave handler runs.
    void tippe(QWidget* feld, const QString& text) {
        tippe_nur(feld, text);
        form->CheckListBox1->setFocus(Qt::MouseFocusReason);
    }

    void zeile(std::size_t i, const QString& konto, const QString& soll, const QString& haben) {
        tippe(seite()->ComboBox[i], konto);
        tippe(seite()->Soll[i], soll);
        tippe(seite()->Haben[i], haben);
    }

    void formular(const QString& datum, const QString& grund) {
        klicke(knopf::neu);
        tippe(seite()->Edit14, datum);
        tippe(seite()->Edit15, "Kunde");
        tippe(seite()->Edit16, grund);
    }

    QString position() { return seite()->Label45->text(); }
    int gespeichert() {
        return static_cast<int>(verzeichnis.lies(journal::journaldatei).size() /
                                journal::satzlaenge);
    }
};

TEST_F(BuchungsTest, ABalancedFormIsAppendedAndBecomesTheCurrentBooking) {
    journal_mit(2);
    oeffne();
    formular("05.03.04", "Bareinzahlung");
    EXPECT_EQ(seite()->Label26->text(), "wird automatisch eingetragen");
    EXPECT_FALSE(seite()->SpeedButton28->isEnabled());
    zeile(0, "bank", "1500", "");
    zeile(1, "Kasse", "", "1500");
    EXPECT_EQ(seite()->ComboBox[0]->currentText(), "Bank");
    EXPECT_EQ(seite()->Soll[0]->text(), "1500,00");
    EXPECT_EQ(seite()->Haben[0]->text(), "0,00");
    klicke(knopf::buchen);
    ASSERT_EQ(gespeichert(), 3);
    const TBuchung b = journal::lies_buchung(3);
    EXPECT_EQ(b.Nr, 2);
    EXPECT_EQ(b.Datum, "05.03.2004");
    EXPECT_EQ(b.Person, "Kunde");
    EXPECT_EQ(b.Grund, "Bareinzahlung");
    EXPECT_EQ(b.Konto[0], "Bank");
    EXPECT_EQ(b.Konto[1], "Kasse");
    EXPECT_EQ(b.Soll[0], 1500.0);
    EXPECT_EQ(b.Haben[1], 1500.0);
    EXPECT_EQ(form->anzahl_buchungen, 3);
    EXPECT_EQ(form->aktuelle_buchung, 3);
    EXPECT_EQ(position(), "3/3");
    EXPECT_FALSE(seite()->SpeedButton29->isEnabled());
    EXPECT_TRUE(seite()->SpeedButton28->isEnabled());
    EXPECT_EQ(seite()->Edit14->text(), "05.03.04");
}

// "Rückgängig" and Ctrl+Z ask, take the booking back and show the journal as
// it was; Ctrl+Y makes it again; the history outlasts a restart.
TEST_F(BuchungsTest, ABookingIsTakenBackAndMadeAgainFromTheWindow) {
    journal_mit(2);
    oeffne();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    formular("05.03.04", "Bareinzahlung");
    zeile(0, "Bank", "1500", "");
    zeile(1, "Kasse", "", "1500");
    klicke(knopf::buchen);
    ASSERT_EQ(gespeichert(), 3);
    const std::string nachher = verzeichnis.lies(journal::journaldatei);

    dialoge.antworte(false);
    QTest::mouseClick(seite()->Rueckgaengig, Qt::LeftButton);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Letzte Änderung rückgängig machen: Buchung 3 gebucht?");
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), nachher);

    starte(); // a new run in the same directory
    klicke(knopf::buchungen);
    dialoge.antworte(true);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Letzte Änderung rückgängig machen: Buchung 3 gebucht?");
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    EXPECT_EQ(form->anzahl_buchungen, 2);
    EXPECT_EQ(position(), "2/2");
    EXPECT_EQ(seite()->Label26->text(), "2");

    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), nachher);
    EXPECT_EQ(position(), "3/3");
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(dialoge.nimm(Art::meldung),
              "Es gibt keine rückgängig gemachte Änderung, die wiederholt werden kann.");
}

struct Formularfall {
    std::vector<std::array<const char*, 3>> zeilen; // account, debit, credit
    const char* meldung;                            // nullptr: stored
};

class Uebernahme : public BuchungsTest, public ::testing::WithParamInterface<Formularfall> {};

TEST_P(Uebernahme, StoresOrRefusesTheForm) {
    journal_mit(1);
    oeffne();
    formular("0503", "Fall");
    for (std::size_t i = 0; i < GetParam().zeilen.size(); ++i) {
        const auto& z = GetParam().zeilen[i];
        if (*z[0] != '\0') {
            tippe(seite()->ComboBox[i], z[0]);
        }
        tippe(seite()->Soll[i], z[1]);
        tippe(seite()->Haben[i], z[2]);
    }
    klicke(knopf::buchen);
    if (GetParam().meldung == nullptr) {
        EXPECT_EQ(gespeichert(), 2);
        EXPECT_FALSE(seite()->neueingabe());
    } else {
        EXPECT_EQ(dialoge.nimm(Art::meldung), QString::fromUtf8(GetParam().meldung));
        EXPECT_EQ(gespeichert(), 1);
        EXPECT_EQ(form->anzahl_buchungen, 1);
        EXPECT_TRUE(seite()->neueingabe());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buchung, Uebernahme,
    ::testing::Values(
        Formularfall{{{"Kasse", "0,10", ""}, {"Bank", "0,20", ""}, {"Waren", "", "0,30"}}, nullptr},
        Formularfall{{{"Kasse", "-50", ""}, {"Bank", "", "-50"}}, nullptr},
        Formularfall{{{"Kasse", "100", ""}, {"Bank", "", "90"}},
                     "Soll und Haben muss stets gleich groß sein!"},
        Formularfall{{{"Kasse", "", ""}, {"Bank", "", ""}}, "Null Euro werden nicht gebucht!"},
        Formularfall{{{"Kasse", "100", ""}, {"Bank", "", "100"}, {"", "5", "5"}},
                     "Konto nicht gefunden!"}),
    [](const auto& info) {
        return test::zeilenname(info.param.meldung ? info.param.meldung : "gebucht", info.index);
    });

TEST_F(BuchungsTest, AmountsAreStoredAsTypedAndNegativeOnesPass) {
    oeffne();
    formular("0503", "Rest");
    zeile(0, "Kasse", "-50", "");
    zeile(1, "Bank", "", "-50");
    klicke(knopf::buchen);
    EXPECT_EQ(journal::lies_buchung(1).Soll[0], -50.0);
    EXPECT_EQ(journal::lies_buchung(1).Haben[1], -50.0);
}

TEST_F(BuchungsTest, AFieldStillBeingEditedIsReadByTheAmountRuleWhenBookedWithAltB) {
    oeffne();
    formular("0503", "roh");
    zeile(0, "Kasse", "0,12", "");
    tippe(seite()->ComboBox[1], "Bank");
    tippe_nur(seite()->Haben[1], "0,125");
    QTest::keyClick(seite()->Haben[1], Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(gespeichert(), 1);
    EXPECT_EQ(seite()->Haben[1]->text(), "0,12");
    EXPECT_EQ(journal::lies_buchung(1).Haben[1], 0.12); // 0,125 is an exact half: to even
    EXPECT_EQ(journal::lies_buchung(1).Soll[0], 0.12);
}

TEST_F(BuchungsTest, ClickingOrTabbingIntoAnAmountSelectsItSoTypingReplacesIt) {
    oeffne();
    klicke(knopf::neu);
    QLineEdit* soll = seite()->Soll[0];
    QTest::mouseClick(soll, Qt::LeftButton, {}, QPoint(5, soll->height() / 2));
    EXPECT_TRUE(soll->hasFocus());
    EXPECT_EQ(soll->selectedText(), "0,00");
    QTest::keyClicks(soll, "12");
    EXPECT_EQ(soll->text(), "12");
    QTest::keyClick(soll, Qt::Key_Tab);
    EXPECT_EQ(soll->text(), "12,00");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // from Haben 1 to account 2
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), seite()->Soll[1]);
    QTest::keyClicks(seite()->Soll[1], "3");
    EXPECT_EQ(seite()->Soll[1]->text(), "3");
    // A second click places the cursor as usual.
    QTest::mouseClick(soll, Qt::LeftButton, {}, QPoint(5, soll->height() / 2));
    QTest::mouseClick(soll, Qt::LeftButton, {}, QPoint(5, soll->height() / 2));
    EXPECT_EQ(soll->selectedText(), "");
    // The focus back in the field (as after a message box), nothing typed
    // since: a click selects the amount, so "1000" replaces it.
    form->CheckListBox1->setFocus(Qt::OtherFocusReason);
    soll->setFocus(Qt::ActiveWindowFocusReason);
    QTest::mouseClick(soll, Qt::LeftButton, {}, QPoint(5, soll->height() / 2));
    EXPECT_EQ(soll->selectedText(), "12,00");
    QTest::keyClicks(soll, "1000");
    EXPECT_EQ(soll->text(), "1000");
    dialoge.nimm(Art::meldung); // the empty account box 2, left by Tab
}

TEST_F(BuchungsTest, OpeningTheListOfAnEmptyAccountBoxChecksNothing) {
    oeffne();
    klicke(knopf::neu);
    QComboBox* box = seite()->ComboBox[0];
    seite()->Edit16->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(seite()->Edit16, Qt::Key_Tab);
    ASSERT_TRUE(box->hasFocus());
    box->showPopup();
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    // The list takes the focus as a plain X server gives it.
    box->view()->setFocus(Qt::OtherFocusReason);
    box->hidePopup();
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    EXPECT_EQ(box->currentText(), "");
}

TEST_F(BuchungsTest, AnAmountTooLargeForTheReportsIsRefused) {
    oeffne();
    formular("0503", "riesig");
    zeile(0, "Kasse", "1", "");
    tippe(seite()->ComboBox[1], "Bank");
    tippe_nur(seite()->Haben[1], "1e300");
    klicke(knopf::buchen);
    // Named with its line; the focus on the field, its text selected.
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Der Betrag „1e300“ in Zeile 2 ist keine gültige Zahl.");
    EXPECT_EQ(gespeichert(), 0);
    EXPECT_TRUE(seite()->neueingabe());
    EXPECT_TRUE(seite()->Haben[1]->hasFocus());
    EXPECT_EQ(seite()->Haben[1]->selectedText(), "1e300");
}

TEST_F(BuchungsTest, AnAmountWithAnEmptiedAccountIsRefused) {
    oeffne();
    formular("0503", "ohne Konto");
    zeile(0, "Kasse", "10", "");
    tippe(seite()->ComboBox[1], "Gibtsnicht");
    EXPECT_EQ(dialoge.nimm(Art::meldung), nicht_gefunden);
    EXPECT_EQ(seite()->ComboBox[1]->currentText(), "");
    tippe(seite()->Haben[1], "10");
    klicke(knopf::buchen);
    EXPECT_EQ(dialoge.nimm(Art::meldung), nicht_gefunden);
    EXPECT_EQ(gespeichert(), 0);
}

struct Datumsfall {
    const char* getippt;
    const char* gespeichert;
    bool gefragt;
};

class Datumsuebernahme : public BuchungsTest, public ::testing::WithParamInterface<Datumsfall> {};

// The date stays as typed; the date rule runs only when the booking is
// stored, and a date it cannot read is stored only after a question.
TEST_P(Datumsuebernahme, NormalisesWhenStoredAndAsksBeforeStoringAnUnreadableDate) {
    oeffne();
    for (bool ja : {false, true}) {
        formular(GetParam().getippt, "Datum");
        zeile(0, "Kasse", "10", "");
        zeile(1, "Bank", "", "10");
        if (GetParam().gefragt) {
            dialoge.antworte(ja);
        }
        klicke(knopf::buchen);
        if (GetParam().gefragt) {
            EXPECT_EQ(dialoge.nimm(Art::frage), QStringLiteral("Das Datum „%1“ kann nicht gelesen "
                                                               "werden. Trotzdem buchen?")
                                                    .arg(QString::fromUtf8(GetParam().getippt)));
        }
        const bool gebucht = ja || !GetParam().gefragt;
        EXPECT_EQ(seite()->neueingabe(), !gebucht);
        EXPECT_EQ(seite()->Edit14->text(), QString::fromUtf8(GetParam().getippt));
        if (gebucht) {
            EXPECT_EQ(journal::lies_buchung(gespeichert()).Datum, GetParam().gespeichert);
            return;
        }
        EXPECT_EQ(gespeichert(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Buchung, Datumsuebernahme,
                         ::testing::Values(Datumsfall{"02.01.", "02.01.2004", false},
                                           Datumsfall{"0201", "02.01.2004", false},
                                           Datumsfall{"02.01.2005", "02.01.2005", false},
                                           Datumsfall{"1.2.2004", "01.02.2004", false},
                                           Datumsfall{"", "00.00.0000", true},
                                           Datumsfall{"1.2.04", "01.02.2004", false},
                                           Datumsfall{"2.1.", "02.01.2004", false},
                                           Datumsfall{"ab.cd.04", "00.00.0000", true}),
                         [](const auto& info) {
                             return test::zeilenname(info.param.getippt, info.index);
                         });

TEST_F(BuchungsTest, ChangingToAnUnreadableDateAsksToo) {
    journal_mit(1);
    oeffne();
    tippe(seite()->Edit14, "32.01.2004");
    dialoge.antworte(true);
    dialoge.antworte(false);
    klicke(knopf::aendern);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Möchtest du den Buchungssatz wirklich ändern?");
    EXPECT_EQ(dialoge.nimm(Art::frage),
              "Das Datum „32.01.2004“ kann nicht gelesen werden. Trotzdem buchen?");
    EXPECT_EQ(journal::lies_buchung(1).Datum, "01.02.2004");
    EXPECT_EQ(seite()->Edit14->text(), "32.01.2004");
}

TEST_F(BuchungsTest, ANewBookingAfterBrowsingIsNumberElevenAndChangeRewritesIt) {
    journal_mit(10);
    oeffne();
    for (int i = 0; i < 6; ++i) {
        klicke(knopf::vorige);
    }
    EXPECT_EQ(position(), "4/10");
    EXPECT_EQ(seite()->Edit16->text(), "Buchung 4");
    EXPECT_EQ(seite()->Label26->text(), "4");
    formular("0503", "Neue");
    zeile(0, "Kasse", "7", "");
    zeile(1, "Bank", "", "7");
    klicke(knopf::buchen);
    EXPECT_EQ(position(), "11/11");
    EXPECT_EQ(journal::lies_buchung(11).Nr, 10);

    tippe(seite()->Edit16, "Geändert");
    dialoge.antworte(true);
    klicke(knopf::aendern);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Möchtest du den Buchungssatz wirklich ändern?");
    EXPECT_EQ(journal::lies_buchung(11).Grund, "Ge\xE4ndert");
    EXPECT_EQ(journal::lies_buchung(11).Nr, 10);
    EXPECT_EQ(journal::lies_buchung(4).Grund, "Buchung 4");
    EXPECT_EQ(gespeichert(), 11);
    EXPECT_EQ(position(), "11/11");
}

TEST_F(BuchungsTest, ChangeAnsweredNoStoresNothing) {
    journal_mit(2);
    oeffne();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    tippe(seite()->Edit16, "anders");
    dialoge.antworte(false);
    klicke(knopf::aendern);
    dialoge.nimm(Art::frage);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
}

TEST_F(BuchungsTest, NavigationStopsAtBothEnds) {
    journal_mit(3);
    oeffne();
    EXPECT_EQ(seite()->Edit16->text(), "Buchung 3");
    klicke(knopf::naechste);
    EXPECT_EQ(position(), "3/3");
    EXPECT_EQ(seite()->Edit16->text(), "Buchung 3");
    klicke(knopf::erste);
    EXPECT_EQ(position(), "1/3");
    EXPECT_EQ(seite()->Soll[0]->text(), "10,00");
    klicke(knopf::vorige);
    EXPECT_EQ(position(), "1/3");
    EXPECT_EQ(seite()->Edit16->text(), "Buchung 1");
    klicke(knopf::naechste);
    EXPECT_EQ(seite()->Edit16->text(), "Buchung 2");
    klicke(knopf::letzte);
    EXPECT_EQ(position(), "3/3");
    EXPECT_EQ(seite()->Haben[1]->text(), "30,00");
}

TEST_F(BuchungsTest, OnAnEmptyJournalNavigationAndChangeTouchNothing) {
    oeffne();
    klicke(knopf::neu);
    tippe(seite()->Edit14, "0201");
    tippe(seite()->Edit16, "getippt");
    for (const char* knopf : {knopf::erste, knopf::vorige, knopf::naechste, knopf::letzte}) {
        klicke(knopf);
        EXPECT_EQ(seite()->Edit16->text(), "getippt") << knopf;
        EXPECT_EQ(position(), "0/0");
    }
    EXPECT_FALSE(seite()->neueingabe());
    zeile(0, "Kasse", "5", "");
    zeile(1, "Bank", "", "5");
    dialoge.antworte(true);
    klicke(knopf::aendern);
    dialoge.nimm(Art::frage);
    EXPECT_EQ(gespeichert(), 0);
}

TEST_F(BuchungsTest, AccountBoxesCapitaliseAndCheckTheirText) {
    oeffne();
    klicke(knopf::neu);
    tippe(seite()->ComboBox[0], "kasse");
    EXPECT_EQ(seite()->ComboBox[0]->currentText(), "Kasse");
    tippe(seite()->ComboBox[1], "");
    EXPECT_EQ(dialoge.nimm(Art::meldung), nicht_gefunden);
    tippe(seite()->ComboBox[2], "Bank");
    tippe(seite()->ComboBox[3], "");
    tippe(seite()->ComboBox[4], "ärger");
    EXPECT_EQ(dialoge.nimm(Art::meldung), nicht_gefunden);
    EXPECT_EQ(seite()->ComboBox[4]->currentText(), "");
}

TEST_F(BuchungsTest, TheFormShowsItsTotalsAndTheAccountInTheFocusedBoxWhileTyping) {
    oeffne();
    klicke(knopf::neu);
    const auto& hinweise = *seite()->hinweise;
    tippe_nur(seite()->ComboBox[1], "Darle");
    EXPECT_EQ(hinweise.kontohinweis->text(), "");
    tippe_nur(seite()->ComboBox[1], "Darlehen");
    EXPECT_EQ(hinweise.kontohinweis->text(), "Darlehen: Passivkonto — Zugänge im Haben");
    tippe_nur(seite()->ComboBox[0], "Kasse");
    EXPECT_EQ(hinweise.kontohinweis->text(),
              "Kasse: Aktivkonto — Zugänge im Soll, Abgänge im Haben");

    tippe_nur(seite()->Soll[0], "100,5");
    EXPECT_EQ(hinweise.kontohinweis->text(), "");
    EXPECT_EQ(hinweise.summe_soll->text(), "Summe Soll: 100,50");
    EXPECT_EQ(seite()->Label31->text(), "100,50"); // "Betrag::" shows the same figure
    EXPECT_EQ(hinweise.differenz->text(), "Differenz: 100,50");
    const auto farbe = [&hinweise] {
        return hinweise.differenz->palette().color(hinweise.differenz->foregroundRole());
    };
    EXPECT_EQ(farbe(), QColor(0xC0, 0, 0));
    tippe_nur(seite()->Haben[1], "100.5.0");
    EXPECT_EQ(hinweise.summe_haben->text(), "Summe Haben: 0,00");
    EXPECT_TRUE(seite()->Haben[1]->property("unlesbar").toBool());
    tippe(seite()->Haben[1], "100,50");
    EXPECT_FALSE(seite()->Haben[1]->property("unlesbar").toBool());
    EXPECT_EQ(hinweise.differenz->text(), "Differenz: 0,00");
    EXPECT_NE(farbe(), QColor(0xC0, 0, 0));
    klicke(knopf::neu);
    EXPECT_EQ(hinweise.summe_soll->text(), "Summe Soll: 0,00");
}

TEST_F(BuchungsTest, ANumberAloneTakesTheOneAccountOfThatNumber) {
    std::string text = verzeichnis.lies("einstellungen.txt");
    verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("0\r\n")) + "2\r\n");
    oeffne();
    klicke(knopf::neu);
    tippe(seite()->ComboBox[0], "2800");
    EXPECT_EQ(seite()->ComboBox[0]->currentText(), "2800 Bank");
    tippe(seite()->ComboBox[1], "28");
    EXPECT_EQ(dialoge.nimm(Art::meldung), nicht_gefunden);
    EXPECT_EQ(seite()->ComboBox[1]->currentText(), "");
}

TEST_F(BuchungsTest, TheListsHoldTheChartOnceAfterEveryShow) {
    oeffne();
    klicke(knopf::bilanz);
    klicke(knopf::buchungen);
    for (QComboBox* box : seite()->ComboBox) {
        ASSERT_EQ(box->count(), 20);
        EXPECT_EQ(box->itemText(0), "Gebäude");
        EXPECT_EQ(box->itemText(19), "Eröffnungsbilanzkonto");
    }
    EXPECT_EQ(seite()->ComboBox[0]->completer(), nullptr);
}

TEST_F(BuchungsTest, ComingBackDuringNewEntryKeepsWhatWasTyped) {
    journal_mit(2);
    oeffne();
    formular("0503", "halb fertig");
    zeile(0, "Kasse", "3", "");
    tippe(seite()->ComboBox[1], "Bank");
    klicke(knopf::bilanz);
    klicke(knopf::buchungen);
    EXPECT_EQ(seite()->Edit16->text(), "halb fertig");
    EXPECT_EQ(seite()->ComboBox[0]->currentText(), "Kasse");
    EXPECT_EQ(seite()->ComboBox[1]->currentText(), "Bank");
    EXPECT_EQ(seite()->Soll[0]->text(), "3,00");
    EXPECT_EQ(seite()->Label26->text(), "wird automatisch eingetragen");
    EXPECT_EQ(seite()->ComboBox[1]->count(), 20);
    EXPECT_TRUE(seite()->neueingabe());
}

TEST_F(BuchungsTest, AmountFieldsNormaliseOnLeavingAndKeepBadText) {
    oeffne();
    klicke(knopf::neu);
    tippe(seite()->Soll[0], "");
    EXPECT_EQ(seite()->Soll[0]->text(), "0,00");
    tippe(seite()->Soll[0], "12,5");
    tippe(seite()->Haben[0], "3");
    EXPECT_EQ(seite()->Soll[0]->text(), "12,50");
    EXPECT_EQ(seite()->Haben[0]->text(), "3,00");
    // Text that is no amount stays as typed, marked, without a box.
    tippe(seite()->Soll[1], "abc");
    EXPECT_EQ(seite()->Soll[1]->text(), "abc");
    EXPECT_TRUE(seite()->Soll[1]->property("unlesbar").toBool());
}

TEST_F(BuchungsTest, WithoutAChartThePageSaysSo) {
    verzeichnis.schreibe(
        "einstellungen.txt",
        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\ntrue\r\n\r\nfalse\r\n\r\n\r\n\r\n\r\n\r\n-1\r\n");
    journal_mit(1);
    oeffne();
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Du hast keinen Kontenplan ausgewählt!");
    EXPECT_EQ(seite()->Label26->text(), "1");
    EXPECT_EQ(seite()->Edit16->text(), "");
}

struct Loeschfall {
    int position; // the booking shown and deleted
    int danach;   // the booking shown afterwards
    const char* gezeigt;
};

class Loeschen : public BuchungsTest, public ::testing::WithParamInterface<Loeschfall> {};

TEST_P(Loeschen, DeletesTheShownBookingAndShowsItsSuccessor) {
    journal_mit(4);
    oeffne();
    klicke(knopf::erste);
    for (int i = 1; i < GetParam().position; ++i) {
        klicke(knopf::naechste);
    }
    dialoge.antworte(true);
    klicke(knopf::loeschen);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Möchtest du den Buchungssatz wirklich löschen?");
    ASSERT_EQ(gespeichert(), 3);
    for (std::int32_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(journal::lies_buchung(k).Nr, k - 1);
    }
    EXPECT_EQ(form->anzahl_buchungen, 3);
    EXPECT_EQ(form->aktuelle_buchung, GetParam().danach);
    EXPECT_EQ(position(), QString::number(GetParam().danach) + "/3");
    EXPECT_EQ(seite()->Edit16->text(), GetParam().gezeigt);
    EXPECT_EQ(seite()->Label26->text(), QString::number(GetParam().danach));
    ASSERT_EQ(dialoge.fortschritte.size(), 1U);
    EXPECT_EQ(dialoge.fortschritte[0].text, "Die Buchung wird gelöscht …");
}

INSTANTIATE_TEST_SUITE_P(Buchung, Loeschen,
                         ::testing::Values(Loeschfall{1, 1, "Buchung 2"},
                                           Loeschfall{2, 2, "Buchung 3"},
                                           Loeschfall{4, 3, "Buchung 3"}),
                         [](const auto& info) {
                             return test::zeilenname(
                                 "Buchung " + std::to_string(info.param.position), info.index);
                         });

TEST_F(BuchungsTest, DeletingTheOnlyBookingClearsTheFormAndNewEntryDeletesNothing) {
    journal_mit(1);
    oeffne();
    dialoge.antworte(true);
    klicke(knopf::loeschen);
    dialoge.nimm(Art::frage);
    EXPECT_EQ(gespeichert(), 0);
    EXPECT_EQ(position(), "0/0");
    EXPECT_EQ(seite()->Edit16->text(), "");
    klicke(knopf::loeschen); // empty journal: no question
    journal_mit(1);
    form->anzahl_buchungen = form->aktuelle_buchung = 1;
    klicke(knopf::neu);
    klicke(knopf::loeschen); // new entry: no question
    EXPECT_EQ(gespeichert(), 1);
}

} // namespace
} // namespace saldino::test
