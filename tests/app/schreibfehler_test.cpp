// Every writing command against a failing disk: the German error box, the
// program still running, every file exactly as before or as after, never a
// mix, and the counters matching the journal.
#include "app/bausteine.h"
#include "app/fenster.h"
#include "hilfen/bericht.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "journal/eroeffnungsseite.h"
#include "masterdata/firmenseite.h"
#include "runtime/dateien.h"

#include <QComboBox>
#include <QLineEdit>

#include <cerrno>
#include <functional>

namespace saldino::test {
namespace {

struct Fall {
    const char* name;
    int fehlernummer;
    const char* meldung;
};

class Schreibfehler : public FensterTest, public ::testing::WithParamInterface<Fall> {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        const std::string text = verzeichnis.lies("einstellungen.txt");
        verzeichnis.schreibe("einstellungen.txt", text.substr(0, text.rfind("-1\r\n")) + "0\r\n");
        for (int k = 1; k <= 3; ++k) {
            buche({{"Kasse", 10.0 * k, 0}, {"Bank", 0, 10.0 * k}}, "Buchung " + std::to_string(k));
        }
    }

    void TearDown() override {
        runtime::testnaht::schreibfehler_bei(0, 0);
        runtime::testnaht::umbenennungsfehler_bei(0, 0);
        FensterTest::TearDown();
    }

    struct Stand {
        std::string journal;
        std::string einstellungen;
        bool operator==(const Stand&) const = default;
    };

    Stand stand() {
        return {verzeichnis.lies(journal::journaldatei), verzeichnis.lies("einstellungen.txt")};
    }

    // Runs `befehl` with its n-th write (or rename) failing, n = 1, 2, ...,
    // until it succeeds; a failure leaves the files as before it.
    void pruefe(const std::function<void()>& vorbereiten, const std::function<void()>& befehl,
                bool umbenennung) {
        for (int n = 1;; ++n) {
            vorbereiten();
            const Stand vorher = stand();
            if (umbenennung) {
                runtime::testnaht::umbenennungsfehler_bei(n, GetParam().fehlernummer);
            } else {
                runtime::testnaht::schreibfehler_bei(n, GetParam().fehlernummer);
            }
            befehl();
            const QStringList fehler = dialoge.nimm_alle(Art::fehler);
            runtime::testnaht::schreibfehler_bei(0, 0);
            runtime::testnaht::umbenennungsfehler_bei(0, 0);
            if (fehler.isEmpty()) {
                // The n-th write was never reached: the command has succeeded.
                EXPECT_FALSE(stand() == vorher) << "the command did nothing";
                break;
            }
            EXPECT_EQ(fehler, QStringList{QString::fromUtf8(GetParam().meldung)}) << "write " << n;
            EXPECT_TRUE(stand() == vorher) << "write " << n;
            EXPECT_EQ(form->anzahl_buchungen, journal::zaehle_buchungen()) << "write " << n;
            EXPECT_TRUE(form->isVisible());
            ASSERT_LT(n, 50);
        }
        EXPECT_EQ(form->anzahl_buchungen, journal::zaehle_buchungen());
        EXPECT_EQ(verzeichnis.dateien().find(".tmp"), std::string::npos);
    }

    journal::BuchungsSeite* buchungen() { return form->TabSheet4; }
};

TEST_P(Schreibfehler, SavingTheSettings) {
    starte();
    for (bool umbenennung : {false, true}) {
        int zaehler = 0;
        pruefe([] {},
               [&] {
                   form->TabSheet2->Edit[0]->setText(QString::number(++zaehler) +
                                                     (umbenennung ? "u" : "s"));
                   klicke("SpeedButton32");
               },
               umbenennung);
    }
}

TEST_P(Schreibfehler, BookingChangingAndDeleting) {
    starte();
    klicke("SpeedButton3");
    const auto formular = [this] {
        klicke("SpeedButton8");
        buchungen()->ComboBox[0]->setEditText("Kasse");
        buchungen()->ComboBox[1]->setEditText("Bank");
        buchungen()->Soll[0]->setText("5");
        buchungen()->Haben[1]->setText("5");
    };
    pruefe(
        formular, [this] { klicke("SpeedButton29"); }, false);

    const auto aendern = [this] {
        klicke("SpeedButton9");
        buchungen()->Edit16->setText(buchungen()->Edit16->text() + "!");
    };
    pruefe(
        aendern,
        [this] {
            dialoge.antworte(true);
            klicke("SpeedButton28");
            dialoge.nimm_alle(Art::frage);
        },
        false);

    for (bool umbenennung : {false, true}) {
        pruefe([this] { klicke("SpeedButton27"); },
               [this] {
                   dialoge.antworte(true);
                   klicke("SpeedButton36");
                   dialoge.nimm_alle(Art::frage);
               },
               umbenennung);
    }
}

TEST_P(Schreibfehler, TheOpeningBalances) {
    starte();
    klicke("SpeedButton2");
    int betrag = 100;
    pruefe([] {},
           [&] {
               form->TabSheet3->StringGrid2->setze_text(6, 1, QString::number(++betrag));
               dialoge.antworte(true);
               klicke("SpeedButton7");
               dialoge.nimm_alle(Art::frage);
           },
           false);
}

TEST_P(Schreibfehler, BackupAndRestore) {
    starte();
    const QString datei = QString::fromStdString((verzeichnis.pfad() / "stand.sdn").string());
    dialoge.waehle_datei(datei);
    klicke("SpeedButton30");
    dialoge.nimm_alle(Art::speichern);
    const std::string sicherung = verzeichnis.lies("stand.sdn");
    verzeichnis.schreibe("stand.sdn", sicherung.substr(0, sicherung.find("\r\n")) + "\r\n|");
    for (bool umbenennung : {false, true}) {
        pruefe(
            [this] {
                // Something for the backup to replace.
                buche({{"Kasse", 1, 0}, {"Bank", 0, 1}});
                form->anzahl_buchungen = form->aktuelle_buchung = journal::zaehle_buchungen();
            },
            [&] {
                dialoge.waehle_datei(datei);
                dialoge.antworte(true);
                klicke("SpeedButton33");
                dialoge.nimm_alle(Art::oeffnen);
                dialoge.nimm_alle(Art::frage);
            },
            umbenennung);
    }
}

INSTANTIATE_TEST_SUITE_P(Hardening, Schreibfehler,
                         ::testing::Values(Fall{"voll", ENOSPC, "Zu wenig Speicherplatz"},
                                           Fall{"verweigert", EACCES, "Dateizugriff verweigert"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace saldino::test
