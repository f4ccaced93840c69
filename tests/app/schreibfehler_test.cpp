// Every writing command against a failing disk: the German error box, the
// program still running, every file exactly as before or as after, never a
// mix, and the counters matching the journal.
#include "app/fenster.h"
#include "gui/bausteine.h"
#include "hilfen/bericht.h"
#include "hilfen/steuerelemente.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "journal/eroeffnungsseite.h"
#include "masterdata/einstellungsseite.h"
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
        entschaerfen();
        FensterTest::TearDown();
    }

    struct Stand {
        std::string journal;
        std::string einstellungen;
        std::string sicherung;
        bool operator==(const Stand&) const = default;
    };

    Stand stand() {
        return {verzeichnis.lies(journal::journaldatei), verzeichnis.lies("einstellungen.txt"),
                verzeichnis.lies("stand.sdn")};
    }

    QString sicherungsdatei() const {
        return QString::fromStdString((verzeichnis.pfad() / "stand.sdn").string());
    }

    // The n-th write (or rename) from now on fails.
    void scharf_machen(int n, bool umbenennung) {
        if (umbenennung) {
            runtime::testnaht::umbenennungsfehler_bei(n, GetParam().fehlernummer);
        } else {
            runtime::testnaht::schreibfehler_bei(n, GetParam().fehlernummer);
        }
    }

    void entschaerfen() {
        runtime::testnaht::schreibfehler_bei(0, 0);
        runtime::testnaht::umbenennungsfehler_bei(0, 0);
    }

    // Runs `befehl` with its n-th write (or rename) failing, n = 1, 2, ...,
    // until it succeeds; a failure leaves the files as before it.
    void pruefe(const std::function<void()>& vorbereiten, const std::function<void()>& befehl,
                bool umbenennung) {
        for (int n = 1;; ++n) {
            vorbereiten();
            const Stand vorher = stand();
            scharf_machen(n, umbenennung);
            befehl();
            const QStringList fehler = dialoge.nimm_alle(Art::fehler);
            entschaerfen();
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
                   klicke(knopf::firma_ok);
               },
               umbenennung);
    }
}

TEST_P(Schreibfehler, BookingChangingAndDeleting) {
    starte();
    klicke(knopf::buchungen);
    const auto formular = [this] {
        klicke(knopf::neu);
        buchungen()->Edit14->setText("0201");
        buchungen()->ComboBox[0]->setEditText("Kasse");
        buchungen()->ComboBox[1]->setEditText("Bank");
        buchungen()->Soll[0]->setText("5");
        buchungen()->Haben[1]->setText("5");
    };
    pruefe(
        formular, [this] { klicke(knopf::buchen); }, false);

    const auto aendern = [this] {
        klicke(knopf::erste);
        buchungen()->Edit16->setText(buchungen()->Edit16->text() + "!");
    };
    pruefe(
        aendern,
        [this] {
            dialoge.antworte(true);
            klicke(knopf::aendern);
            dialoge.nimm_alle(Art::frage);
        },
        false);

    for (bool umbenennung : {false, true}) {
        pruefe([this] { klicke(knopf::letzte); },
               [this] {
                   dialoge.antworte(true);
                   klicke(knopf::loeschen);
                   dialoge.nimm_alle(Art::frage);
               },
               umbenennung);
    }
}

TEST_P(Schreibfehler, TheOpeningBalances) {
    starte();
    klicke(knopf::eroeffnungsbuchungen);
    form->TabSheet3->Edit27->setText(QStringLiteral("01.01.04"));
    int betrag = 100;
    pruefe([] {},
           [&] {
               form->TabSheet3->StringGrid2->setze_text(6, 1, QString::number(++betrag));
               form->TabSheet3->StringGrid2->setze_text(8, 1, QString::number(betrag));
               dialoge.antworte(true);
               klicke(knopf::eroeffnung_ok);
               dialoge.nimm_alle(Art::frage);
           },
           false);
}

TEST_P(Schreibfehler, TheChartChange) {
    starte();
    // "Kontenplan" empties the journal, then showing the chart page saves the
    // unchanged settings: whichever step fails, the journal is whole or empty,
    // the settings file as it was and the counters right.
    const std::string journal_vorher = verzeichnis.lies(journal::journaldatei);
    const std::string einstellungen_vorher = verzeichnis.lies("einstellungen.txt");
    for (bool umbenennung : {false, true}) {
        for (int n = 1;; ++n) {
            verzeichnis.schreibe(journal::journaldatei, journal_vorher);
            form->anzahl_buchungen = form->aktuelle_buchung = journal::zaehle_buchungen();
            scharf_machen(n, umbenennung);
            dialoge.antworte(true);
            dialoge.antworte(true);
            klicke(knopf::kontenplan);
            dialoge.nimm_alle(Art::frage);
            const QStringList fehler = dialoge.nimm_alle(Art::fehler);
            entschaerfen();
            const std::string journal = verzeichnis.lies(journal::journaldatei);
            EXPECT_TRUE(journal == journal_vorher || journal.empty()) << "write " << n;
            EXPECT_EQ(verzeichnis.lies("einstellungen.txt"), einstellungen_vorher);
            EXPECT_EQ(form->anzahl_buchungen, journal::zaehle_buchungen()) << "write " << n;
            if (fehler.isEmpty()) {
                EXPECT_TRUE(journal.empty());
                break;
            }
            EXPECT_EQ(fehler, QStringList{QString::fromUtf8(GetParam().meldung)}) << "write " << n;
            ASSERT_LT(n, 50);
        }
    }
    EXPECT_EQ(verzeichnis.dateien().find(".tmp"), std::string::npos);
    for (bool umbenennung : {false, true}) {
        std::int32_t vorher = 0;
        std::string datei_vorher;
        pruefe(
            [&] {
                vorher = form->kontenplan_nr;
                datei_vorher = verzeichnis.lies("einstellungen.txt");
            },
            [&] {
                klicke(vorher == 2 ? knopf::kontenplan_waehlen[3] : knopf::kontenplan_waehlen[2]);
                if (verzeichnis.lies("einstellungen.txt") == datei_vorher) {
                    // Refused: the window keeps the chart the file names.
                    EXPECT_EQ(form->kontenplan_nr, vorher);
                    EXPECT_EQ(form->TabSheet7->RadioGroup1ItemIndex(), vorher - 1);
                }
            },
            umbenennung);
    }
}

TEST_P(Schreibfehler, SavingEverything) {
    starte();
    verzeichnis.schreibe("stand.sdn", "alter Stand||||||||0\r\n|\r\n");
    for (bool umbenennung : {false, true}) {
        int zaehler = 0;
        pruefe(
            [&] {
                buche({{"Kasse", 1.0 + ++zaehler, 0}, {"Bank", 0, 1.0 + zaehler}});
                form->anzahl_buchungen = form->aktuelle_buchung = journal::zaehle_buchungen();
            },
            [this] {
                dialoge.waehle_datei(sicherungsdatei());
                dialoge.antworte(true); // the old backup is replaced
                klicke(knopf::alles_speichern);
                dialoge.nimm_alle(Art::speichern);
                dialoge.nimm_alle(Art::frage);
            },
            umbenennung);
    }
}

TEST_P(Schreibfehler, BackupAndRestore) {
    starte();
    const QString datei = sicherungsdatei();
    dialoge.waehle_datei(datei);
    klicke(knopf::alles_speichern);
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
                klicke(knopf::sicherung_laden);
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
