// Damaged and hostile files: a clear message or a sound result, never a crash.
#include "app/fenster.h"
#include "gui/bausteine.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "masterdata/firmenseite.h"
#include "masterdata/kontenplanseite.h"
#include "reports/berichtsseite.h"

#include "gui/berichtsansicht.h"
#include <QLineEdit>

#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace saldino::test {
namespace {

class BeschaedigtTest : public FensterTest {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        const std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("-1\r\n")) + "0\r\n");
    }
};

TEST_F(BeschaedigtTest, NanAndInfiniteAmountsGiveTheConversionErrorNotACrash) {
    buche({{"Kasse", std::numeric_limits<double>::quiet_NaN(), 0}, {"Bank", 0, 1}});
    buche({{"Kasse", std::numeric_limits<double>::infinity(), 0}});
    starte();
    klicke(knopf::buchungen);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "'INF' ist kein gültiger Gleitkommawert");
    klicke(knopf::journal);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "'NAN' ist kein gültiger Gleitkommawert");
    EXPECT_TRUE(form->TabSheet6->Memo->toPlainText().startsWith("Nr."));
    klicke(knopf::bilanz);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "'NAN' ist kein gültiger Gleitkommawert");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(BeschaedigtTest, ADirectoryWhereTheJournalShouldBeIsReported) {
    std::filesystem::create_directory(verzeichnis.pfad() / journal::journaldatei);
    starte();
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Ungültiger Dateiname");
    klicke(knopf::journal);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Ungültiger Dateiname");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(BeschaedigtTest, AnEmptySettingsFileAppliesEmptyValues) {
    verzeichnis.schreibe("einstellungen.txt", "");
    starte();
    EXPECT_EQ(dialoge.nimm(Art::fehler), "'' ist kein gültiger Integerwert");
    EXPECT_EQ(form->kontenplan_nr, 0);
    EXPECT_EQ(form->buchungsjahr, 2004);
}

TEST_F(BeschaedigtTest, OddChartFilesStillGiveTheirAccounts) {
    std::string lang(10000, 'x');
    verzeichnis.schreibe("Kontenplan1.txt", "Kasse<B> A  B\rBank<B> A  B\r" + lang + "<B> A  B\r" +
                                                std::string("Nu\0ll<B> A  B\r", 14));
    starte();
    dialoge.antworte(true);
    dialoge.antworte(true);
    klicke(knopf::kontenplan);
    dialoge.nimm_alle(Art::frage);
    auto* gitter = form->TabSheet9->StringGrid1;
    EXPECT_EQ(gitter->text(0, 0), "Kasse");
    EXPECT_EQ(gitter->text(1, 0), "Bank");
    EXPECT_EQ(gitter->text(2, 0), QString(64, 'x'));
    EXPECT_EQ(gitter->text(3, 0).size(), 5);
}

TEST_F(BeschaedigtTest, AReadOnlyWorkingDirectoryRefusesWritesWithAMessage) {
    journal::journal_sichern();
    starte();
    klicke(knopf::grundeinstellungen);
    form->TabSheet2->findChild<QLineEdit*>(feld::firmenname)->setText("Neu");
    const std::string vorher = verzeichnis.lies("einstellungen.txt");
    // Root may write anywhere, so the test then acts as an unprivileged user.
    ::chmod(".", 0555);
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::seteuid(65534) == 0);
    klicke(knopf::firma_ok);
    ASSERT_TRUE(!root || ::seteuid(0) == 0);
    ::chmod(".", 0700);
    EXPECT_EQ(dialoge.nimm(Art::fehler), "Dateizugriff verweigert");
    EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), vorher);
}

} // namespace
} // namespace saldino::test
