#include "app/fenster.h"
#include "gui/bausteine.h"
#include "hilfen/steuerelemente.h"
#include "hilfen/testnamen.h"
#include "journal/buchung.h"
#include "journal/eroeffnung.h"
#include "journal/eroeffnungsseite.h"

#include <QLabel>
#include <QLineEdit>

namespace saldino::test {
namespace {

using journal::TBuchung;

const QString frage = QStringLiteral("Achtung! Es werden alle bisherigen Buchungen gelöscht und "
                                     "nur diese Anfangsbestände gebucht! Fortfahren?");

// Rows of the supplied chart 1 ("Einfach").
constexpr int gebaeude = 0, maschinen = 1, fuhrpark = 2, bga = 3, bank = 6, kasse = 7,
              eigenkapital = 8, mietaufwand = 13, umsatzerloese = 16, ebk = 19;

class EroeffnungsTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("-1\r\n")) + "0\r\n");
        journal::journal_sichern();
        TBuchung alt;
        alt.Grund = "alte Buchung";
        alt.Konto = {"Kasse", "Bank", "", "", ""};
        alt.Soll[0] = alt.Haben[1] = 5;
        journal::buchung_anhaengen(alt);
    }

    void oeffne() {
        starte();
        klicke(knopf::eroeffnungsbuchungen);
    }

    gui::Gitter* gitter() { return form->TabSheet3->StringGrid2; }
    QString betrag(int zeile) { return gitter()->text(zeile, 1); }

    void setze(int zeile, const QString& text) { gitter()->setze_text(zeile, 1, text); }

    // Books the grid, answering yes; an opening that does not balance is
    // asked about first.
    void buche(const QString& datum = QStringLiteral("01.01.04"), bool ausgeglichen = true) {
        form->TabSheet3->Edit27->setText(datum);
        dialoge.antworte(true);
        if (!ausgeglichen) {
            dialoge.antworte(true);
        }
        klicke(knopf::eroeffnung_ok);
        if (!ausgeglichen) {
            EXPECT_TRUE(
                dialoge.nimm(Art::frage)
                    .startsWith(QStringLiteral("Die Eröffnungsbilanz ist nicht ausgeglichen")));
        }
        EXPECT_EQ(dialoge.nimm(Art::frage), frage);
    }
    void buche_unausgeglichen(const QString& datum = QStringLiteral("01.01.04")) {
        buche(datum, false);
    }

    std::vector<TBuchung> journal() {
        std::vector<TBuchung> saetze;
        journal::Journalleser leser;
        TBuchung b;
        while (leser.naechste(b)) {
            saetze.push_back(b);
        }
        return saetze;
    }
};

TEST_F(EroeffnungsTest, AnAmountTypedWithoutEnterIsBooked) {
    oeffne();
    EXPECT_EQ(gitter()->text(bank, 0), "Bank");
    EXPECT_EQ(gitter()->rowCount(), 99);
    gitter()->setFocus(Qt::MouseFocusReason);
    gitter()->setCurrentCell(bank, 1);
    QWidget* editor = gitter()->indexWidget(gitter()->currentIndex());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "1500");
    buche_unausgeglichen();
    const auto saetze = journal();
    ASSERT_EQ(saetze.size(), 1u);
    EXPECT_EQ(saetze[0].Nr, 0);
    EXPECT_EQ(saetze[0].Datum, "01.01.2004");
    EXPECT_EQ(saetze[0].Person, "selbst");
    EXPECT_EQ(saetze[0].Grund, "Er\xF6"
                               "ffnungsbuchung");
    EXPECT_EQ(saetze[0].Konto[0], "Bank");
    EXPECT_EQ(saetze[0].Konto[1], journal::eroeffnungsbilanzkonto());
    EXPECT_EQ(saetze[0].Soll[0], 1500.0);
    EXPECT_EQ(saetze[0].Haben[1], 1500.0);
    EXPECT_EQ(saetze[0].Soll[1], 0.0);
    EXPECT_EQ(form->anzahl_buchungen, 1);
    EXPECT_EQ(form->aktuelle_buchung, 1);
    EXPECT_EQ(verzeichnis.dateien().find(".tmp"), std::string::npos);
}

TEST_F(EroeffnungsTest, TypingReplacesACellAndOnlyTheAmountsOfTheAccountsCanBeEdited) {
    oeffne();
    setze(bank, "12,50");
    gitter()->setFocus(Qt::MouseFocusReason);
    gitter()->setCurrentCell(bank, 1);
    auto* editor = qobject_cast<QLineEdit*>(gitter()->indexWidget(gitter()->currentIndex()));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->selectedText(), "12,50");
    QTest::keyClicks(editor, "7");
    gitter()->offene_zelle_uebernehmen();
    EXPECT_EQ(betrag(bank), "7");

    for (const auto& [zeile, spalte] :
         {std::pair{bank, 0}, std::pair{ebk + 1, 1}, std::pair{ebk + 1, 0}, std::pair{98, 1}}) {
        gitter()->setCurrentCell(zeile, spalte);
        QTest::keyClicks(gitter(), "5");
        EXPECT_EQ(gitter()->indexWidget(gitter()->currentIndex()), nullptr) << zeile;
        EXPECT_EQ(gitter()->text(zeile, spalte), spalte == 0 && zeile == bank ? "Bank" : "")
            << zeile;
    }
}

TEST_F(EroeffnungsTest, EachAccountReadsBackItsOwnLineOfTheLastOpeningRecord) {
    TBuchung b;
    b.Konto = {"Kasse", "Bank", journal::eroeffnungsbilanzkonto(), "", ""};
    b.Soll = {500, 1000, 0, 0, 0};
    b.Haben[2] = 1500;
    journal::buchung_anhaengen(b);
    TBuchung spaeter;
    spaeter.Konto = {"Kasse", journal::eroeffnungsbilanzkonto(), "", "", ""};
    spaeter.Soll[0] = 12.5;
    spaeter.Haben[1] = 12.5;
    journal::buchung_anhaengen(spaeter);
    oeffne();
    EXPECT_EQ(betrag(kasse), "12,50");
    EXPECT_EQ(betrag(bank), "1000,00");
    EXPECT_EQ(betrag(gebaeude), "");
    EXPECT_EQ(gitter()->text(ebk, 0), "Eröffnungsbilanzkonto");
    EXPECT_EQ(betrag(ebk), "");
}

TEST_F(EroeffnungsTest, NoLeavesEverythingAsItWas) {
    oeffne();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    setze(kasse, "100");
    setze(eigenkapital, "100");
    form->TabSheet3->Edit27->setText(QStringLiteral("01.01.04"));
    dialoge.antworte(false);
    klicke(knopf::eroeffnung_ok);
    EXPECT_EQ(dialoge.nimm(Art::frage), frage);
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    EXPECT_EQ(form->anzahl_buchungen, 1);
    EXPECT_EQ(betrag(kasse), "100");
}

TEST_F(EroeffnungsTest, TheSumsFollowTheTypingAndEnterMovesToTheCellBelow) {
    oeffne();
    const auto* seite = form->TabSheet3;
    EXPECT_EQ(seite->summe_aktiva->text(), "Summe Aktiva: 0,00");
    gitter()->setFocus(Qt::MouseFocusReason);
    gitter()->setCurrentCell(bank, 1);
    QTest::keyClicks(gitter()->indexWidget(gitter()->currentIndex()), "1500");
    EXPECT_EQ(seite->summe_aktiva->text(), "Summe Aktiva: 1500,00");
    QTest::keyClick(gitter()->indexWidget(gitter()->currentIndex()), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(gitter()->currentRow(), kasse);
    EXPECT_EQ(betrag(bank), "1500");
    QTest::keyClicks(gitter()->indexWidget(gitter()->currentIndex()), "500");
    QTest::keyClick(gitter()->indexWidget(gitter()->currentIndex()), Qt::Key_Enter);
    QApplication::processEvents();
    EXPECT_EQ(gitter()->currentRow(), eigenkapital);
    // Typed key by key, a pupil's "2.000,00" passes "2." (marked as unreadable) on its way.
    QTest::keyClicks(gitter()->indexWidget(gitter()->currentIndex()), "2.000,00");
    EXPECT_EQ(seite->summe_aktiva->text(), "Summe Aktiva: 2000,00");
    EXPECT_EQ(seite->summe_passiva->text(), "Summe Passiva: 2000,00");
    buche();
    EXPECT_EQ(journal().size(), 3u);
}

TEST_F(EroeffnungsTest, AnOpeningThatDoesNotBalanceIsAskedAboutAndNoChangesNothing) {
    oeffne();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    setze(kasse, "100");
    setze(eigenkapital, "90");
    form->TabSheet3->Edit27->setText(QStringLiteral("01.01.04"));
    dialoge.antworte(false);
    klicke(knopf::eroeffnung_ok);
    EXPECT_EQ(dialoge.nimm(Art::frage), "Die Eröffnungsbilanz ist nicht ausgeglichen (Aktiva "
                                        "100,00, Passiva 90,00). Trotzdem buchen?");
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    EXPECT_EQ(betrag(kasse), "100");
}

TEST_F(EroeffnungsTest, FiltersCellsAndClosesUpTheNumbers) {
    oeffne();
    setze(gebaeude, "100");
    setze(maschinen, "0");
    setze(fuhrpark, "   ");
    setze(bga, "0");
    setze(bank, "12,5");
    setze(kasse, "");
    setze(eigenkapital, "102,50");
    setze(mietaufwand, "10");
    setze(umsatzerloese, "20");
    buche();
    EXPECT_EQ(betrag(maschinen), "0");
    EXPECT_EQ(betrag(fuhrpark), "0,00");
    EXPECT_EQ(betrag(bank), "12,5");
    const auto saetze = journal();
    ASSERT_EQ(saetze.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> seiten = {
        {"Geb\xE4ude", journal::eroeffnungsbilanzkonto()},
        {"Bank", journal::eroeffnungsbilanzkonto()},
        {journal::eroeffnungsbilanzkonto(), "Eigenkapital"},
        {"Mietaufwand", journal::eroeffnungsbilanzkonto()},
        {journal::eroeffnungsbilanzkonto(), "Umsatzerl\xF6se"}};
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        EXPECT_EQ(saetze[i].Nr, static_cast<std::int32_t>(i));
        EXPECT_EQ(saetze[i].Konto[0], seiten[i].first) << i;
        EXPECT_EQ(saetze[i].Konto[1], seiten[i].second) << i;
    }
    EXPECT_EQ(saetze[1].Soll[0], 12.5);
    EXPECT_EQ(form->anzahl_buchungen, 5);

    klicke(knopf::buchungen);
    klicke(knopf::eroeffnungsbuchungen);
    EXPECT_EQ(betrag(bank), "12,50");
    EXPECT_EQ(betrag(maschinen), "");
    EXPECT_EQ(betrag(eigenkapital), "102,50");
}

TEST_F(EroeffnungsTest, AnAmountOnTheOpeningAccountItselfIsBookedOnBothLines) {
    oeffne();
    setze(ebk, "7");
    buche();
    const auto saetze = journal();
    ASSERT_EQ(saetze.size(), 1u);
    EXPECT_EQ(saetze[0].Konto[0], journal::eroeffnungsbilanzkonto());
    EXPECT_EQ(saetze[0].Konto[1], journal::eroeffnungsbilanzkonto());
}

TEST_F(EroeffnungsTest, WithoutAChartNothingIsDeleted) {
    verzeichnis.schreibe(
        "einstellungen.txt",
        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\ntrue\r\n\r\nfalse\r\n\r\n\r\n\r\n\r\n\r\n-1\r\n");
    oeffne();
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Du hast keinen Kontenplan ausgewählt!");
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    buche();
    EXPECT_EQ(dialoge.nimm(Art::meldung), "Du hast keinen Kontenplan ausgewählt!");
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    EXPECT_EQ(form->anzahl_buchungen, 1);
}

struct Fehlerfall {
    const char* zelle;
    const char* datum;
    const char* meldung;
};

class UnlesbareEingabe : public EroeffnungsTest,
                         public ::testing::WithParamInterface<Fehlerfall> {};

// Found before any question: nothing is asked, nothing changes.
TEST_P(UnlesbareEingabe, LeavesTheJournalAndTheCountersUntouched) {
    oeffne();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    setze(gebaeude, "100");
    setze(bank, GetParam().zelle);
    form->TabSheet3->Edit27->setText(GetParam().datum);
    klicke(knopf::eroeffnung_ok);
    EXPECT_EQ(dialoge.nimm(Art::fehler), QString::fromUtf8(GetParam().meldung));
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    EXPECT_EQ(form->anzahl_buchungen, 1);
    EXPECT_EQ(form->aktuelle_buchung, 1);
    EXPECT_EQ(verzeichnis.dateien().find(".tmp"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Eroeffnung, UnlesbareEingabe,
    ::testing::Values(Fehlerfall{"1,2,3", "01.01.04", "'1,2,3' ist kein gültiger Gleitkommawert"}),
    [](const auto& info) { return test::zeilenname(info.param.meldung, info.index); });

// A date the date rule cannot read is asked about before anything changes,
// as on the booking page; one as pupils write it is read.
TEST_F(EroeffnungsTest, AnUnreadableDateIsAskedAboutAndAPupilsDateIsRead) {
    oeffne();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    setze(kasse, "100");
    setze(eigenkapital, "100");
    form->TabSheet3->Edit27->setText(QStringLiteral("1.1.2O04"));
    dialoge.antworte(false);
    klicke(knopf::eroeffnung_ok);
    EXPECT_EQ(dialoge.nimm(Art::frage),
              "Das Datum „1.1.2O04“ kann nicht gelesen werden. Trotzdem buchen?");
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    buche(QStringLiteral("1.1.2004"));
    EXPECT_EQ(journal().front().Datum, "01.01.2004");
}

// "Nur Anfangsbestände ersetzen" keeps every other booking after the new
// opening, without the question that all bookings go, and can be undone.
TEST_F(EroeffnungsTest, OnlyTheOpeningBalancesAreReplaced) {
    oeffne();
    setze(kasse, "100");
    setze(eigenkapital, "100");
    form->TabSheet3->Edit27->setText(QStringLiteral("01.01.04"));
    klicke("NurAnfangsbestaende");
    const std::vector<TBuchung> saetze = journal();
    ASSERT_EQ(saetze.size(), 3U);
    EXPECT_EQ(saetze[0].Konto[0], "Kasse");
    EXPECT_EQ(saetze[2].Grund, "alte Buchung");
    EXPECT_EQ(saetze[2].Nr, 2);
    EXPECT_EQ(form->anzahl_buchungen, 3);
}

class VerworfeneZelle : public EroeffnungsTest,
                        public ::testing::WithParamInterface<const char*> {};

// The filter would book such a cell as nothing: the command stops before
// anything changes, and the cell keeps what was typed.
TEST_P(VerworfeneZelle, StopsBeforeAnythingChanges) {
    oeffne();
    const std::string vorher = verzeichnis.lies(journal::journaldatei);
    setze(gebaeude, "100");
    setze(bank, QString::fromUtf8(GetParam()));
    // Marked red as it is typed, like the booking page's amount fields.
    EXPECT_EQ(gitter()->item(bank, 1)->background().color(), QColor(0xFF, 0xC8, 0xC8));
    EXPECT_EQ(gitter()->item(gebaeude, 1)->background().style(), Qt::NoBrush);
    klicke(knopf::eroeffnung_ok); // refused before any question
    EXPECT_EQ(dialoge.nimm(Art::meldung),
              QStringLiteral("Der Betrag „%1“ bei „Bank“ ist keine gültige Zahl. Bitte ohne "
                             "Tausenderpunkte eingeben, zum Beispiel 80000,00.")
                  .arg(QString::fromUtf8(GetParam())));
    EXPECT_EQ(betrag(bank), QString::fromUtf8(GetParam()));
    EXPECT_EQ(betrag(gebaeude), "100");
    EXPECT_EQ(verzeichnis.lies(journal::journaldatei), vorher);
    EXPECT_EQ(form->anzahl_buchungen, 1);
}

INSTANTIATE_TEST_SUITE_P(Eroeffnung, VerworfeneZelle,
                         ::testing::Values("80.00.00", "-5", "1 000", "zehn Euro"),
                         test::Zeilenname());

TEST_F(EroeffnungsTest, EveryAccountOfALongChartCanBeBooked) {
    std::string lang;
    for (int i = 1; i <= 120; ++i) {
        lang += "Konto " + std::to_string(i) + "<B> A  B\r\n";
    }
    verzeichnis.schreibe("Kontenplan1.txt", lang);
    oeffne();
    EXPECT_EQ(gitter()->rowCount(), 120);
    setze(119, "3");
    buche_unausgeglichen();
    const auto saetze = journal();
    ASSERT_EQ(saetze.size(), 1u);
    EXPECT_EQ(saetze[0].Konto[0], "Konto 120");
    klicke(knopf::buchungen);
    klicke(knopf::eroeffnungsbuchungen);
    EXPECT_EQ(betrag(119), "3,00");
}

} // namespace
} // namespace saldino::test
