#include "journal/buchung.h"

#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/fehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace saldino::journal {
namespace {

using test::meldung_von;

TBuchung beispiel() {
    TBuchung b;
    b.Nr = 7;
    b.Datum = "05.03.2004";
    b.Person = "M\xFCller GmbH";
    b.Grund = "Rechnung Nr. 17";
    b.Konto = {"Bank", "Kasse",
               "Er\xF6"
               "ffnungsbilanzkonto",
               "", ""};
    b.Soll = {1500.0, 0, 0, 0, 0};
    b.Haben = {0, 1000.5, 499.5, 0, 0};
    return b;
}

std::string als_text(const Satz& satz) {
    return {reinterpret_cast<const char*>(satz.data()), satz.size()};
}

Satz als_satz_bytes(std::string_view bytes) {
    Satz satz{};
    std::memcpy(satz.data(), bytes.data(), satz.size());
    return satz;
}

TBuchung gebucht(const char* grund) {
    TBuchung b;
    b.Datum = "01.01.2004";
    b.Grund = grund;
    b.Konto[0] = "Kasse";
    b.Konto[1] = "Bank";
    b.Soll[0] = 10;
    b.Haben[1] = 10;
    return b;
}

TEST(Buchungssatz, MatchesTheRecordLayoutByteForByte) {
    const std::string golden =
        test::Arbeitsverzeichnis::lies_datei(SALDINO_FIXTURES_DIR "/buchung.bin");
    ASSERT_EQ(golden.size(), satzlaenge);
    EXPECT_EQ(als_text(als_satz(beispiel())), golden);
    EXPECT_EQ(aus_satz(als_satz_bytes(golden)), beispiel());
}

TEST(Buchungssatz, IgnoresLeftoverBytesAfterTheTextsAndInTheGap) {
    Satz satz = als_satz(beispiel());
    satz[15 + 1 + 11] = 'x'; // after "Müller GmbH"
    satz[442] = 0xFF;        // the gap
    satz[447] = 0xFF;
    EXPECT_EQ(aus_satz(satz), beispiel());
}

TEST(Buchungssatz, ALengthByteAboveTheCapacityReadsAsTheCapacity) {
    Satz satz = als_satz(beispiel());
    satz[4] = 255;   // Datum
    satz[117] = 200; // Konto[1]
    const TBuchung b = aus_satz(satz);
    EXPECT_EQ(b.Datum.size(), datum_kapazitaet);
    EXPECT_EQ(b.Konto[0].size(), konto_kapazitaet);
    EXPECT_EQ(b.Konto[0].substr(0, 4), "Bank");
}

TEST(Buchungssatz, CutsTextsToTheirCapacity) {
    TBuchung b = beispiel();
    b.Grund = std::string(60, 'g');
    b.Datum = "05.03.2004 und mehr";
    b.Konto[4] = std::string(70, 'k');
    const TBuchung gelesen = aus_satz(als_satz(b));
    EXPECT_EQ(gelesen.Grund, std::string(50, 'g'));
    EXPECT_EQ(gelesen.Datum, "05.03.2004");
    EXPECT_EQ(gelesen.Konto[4], std::string(64, 'k'));
}

class JournalTest : public ::testing::Test {
protected:
    void TearDown() override { runtime::testnaht::schreibfehler_bei(0, 0); }

    void buche(int anzahl) {
        journal_sichern();
        for (int i = 0; i < anzahl; ++i) {
            TBuchung b = gebucht(("Buchung " + std::to_string(i + 1)).c_str());
            buchung_anhaengen(b);
        }
    }

    test::Arbeitsverzeichnis verzeichnis;
};

TEST_F(JournalTest, ANewJournalIsEmptyAndTheFirstBookingHasNumberZero) {
    journal_sichern();
    EXPECT_EQ(verzeichnis.lies(journaldatei), "");
    EXPECT_EQ(zaehle_buchungen(), 0);
    TBuchung b = gebucht("erste");
    b.Nr = 99;
    EXPECT_EQ(buchung_anhaengen(b), 1);
    EXPECT_EQ(b.Nr, 0);
    EXPECT_EQ(verzeichnis.lies(journaldatei).size(), satzlaenge);
    EXPECT_EQ(lies_buchung(1).Nr, 0);
    EXPECT_EQ(lies_buchung(1).Grund, "erste");
}

TEST_F(JournalTest, EnsuringKeepsAnExistingJournal) {
    buche(2);
    journal_sichern();
    EXPECT_EQ(zaehle_buchungen(), 2);
}

TEST_F(JournalTest, BytesAfterTheLastWholeRecordAreIgnoredAndOverwritten) {
    verzeichnis.schreibe(journaldatei,
                         als_text(als_satz(beispiel())) + std::string(1000 - satzlaenge, 'x'));
    EXPECT_EQ(zaehle_buchungen(), 1);
    TBuchung b = gebucht("zweite");
    EXPECT_EQ(buchung_anhaengen(b), 2);
    EXPECT_EQ(verzeichnis.lies(journaldatei).size(), 2 * satzlaenge);
    EXPECT_EQ(lies_buchung(2).Nr, 1);
    Journalleser leser;
    TBuchung gelesen;
    int anzahl = 0;
    while (leser.naechste(gelesen)) {
        ++anzahl;
    }
    EXPECT_EQ(anzahl, 2);
}

TEST_F(JournalTest, ReadingPastTheEndSaysSo) {
    buche(2);
    EXPECT_EQ(meldung_von([] { lies_buchung(3); }), "Versuch hinter dem Dateiende zu lesen");
    EXPECT_EQ(meldung_von([] { lies_buchung(0); }), "Versuch hinter dem Dateiende zu lesen");
}

TEST_F(JournalTest, AMissingJournalIsNotFound) {
    EXPECT_EQ(meldung_von([] { zaehle_buchungen(); }), "Datei nicht gefunden");
    EXPECT_EQ(meldung_von([] { Journalleser leser; }), "Datei nicht gefunden");
}

TEST_F(JournalTest, OverwritingSetsTheNumberOfThePosition) {
    buche(3);
    TBuchung neu = gebucht("geändert");
    neu.Nr = 42;
    buchung_ueberschreiben(2, neu);
    EXPECT_EQ(neu.Nr, 1);
    EXPECT_EQ(lies_buchung(2).Grund, "geändert");
    EXPECT_EQ(lies_buchung(2).Nr, 1);
    EXPECT_EQ(lies_buchung(3).Grund, "Buchung 3");
    EXPECT_EQ(zaehle_buchungen(), 3);
}

TEST_F(JournalTest, AFailedOverwriteLeavesTheOldRecordWhole) {
    buche(2);
    const std::string vorher = verzeichnis.lies(journaldatei);
    runtime::testnaht::schreibfehler_bei(1, ENOSPC);
    TBuchung neu = gebucht("neu");
    EXPECT_EQ(meldung_von([&] { buchung_ueberschreiben(1, neu); }), "Zu wenig Speicherplatz");
    EXPECT_EQ(verzeichnis.lies(journaldatei), vorher);
}

TEST_F(JournalTest, AShortAppendIsCutBack) {
    buche(2);
    const std::string vorher = verzeichnis.lies(journaldatei);
    runtime::testnaht::schreibfehler_bei(1, ENOSPC);
    TBuchung neu = gebucht("neu");
    EXPECT_EQ(meldung_von([&] { buchung_anhaengen(neu); }), "Zu wenig Speicherplatz");
    EXPECT_EQ(verzeichnis.lies(journaldatei), vorher);
}

TEST_F(JournalTest, AReadOnlyJournalIsRefusedAndUnchanged) {
    buche(2);
    const std::string vorher = verzeichnis.lies(journaldatei);
    {
        test::Schreibschutz schutz(journaldatei);
        TBuchung neu = gebucht("neu");
        EXPECT_EQ(meldung_von([&] { buchung_anhaengen(neu); }), "Dateizugriff verweigert");
        EXPECT_EQ(meldung_von([&] { buchung_ueberschreiben(1, neu); }), "Dateizugriff verweigert");
        EXPECT_EQ(meldung_von([] { journal_leeren(); }), "Dateizugriff verweigert");
        EXPECT_EQ(meldung_von([] { loesche_buchung(1); }), "Dateizugriff verweigert");
    }
    EXPECT_EQ(verzeichnis.lies(journaldatei), vorher);
    EXPECT_EQ(verzeichnis.dateien(), journaldatei);
}

TEST_F(JournalTest, EmptyingLeavesAnEmptyJournal) {
    buche(3);
    journal_leeren();
    EXPECT_EQ(zaehle_buchungen(), 0);
    EXPECT_EQ(verzeichnis.dateien(), journaldatei);
}

TEST_F(JournalTest, DeletingRenumbersTheBookingsThatMoveUp) {
    buche(4);
    loesche_buchung(2);
    ASSERT_EQ(zaehle_buchungen(), 3);
    const std::array<const char*, 3> gruende = {"Buchung 1", "Buchung 3", "Buchung 4"};
    for (std::int32_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(lies_buchung(k).Nr, k - 1);
        EXPECT_EQ(lies_buchung(k).Grund, gruende[static_cast<std::size_t>(k - 1)]);
    }
    EXPECT_EQ(verzeichnis.dateien(), journaldatei);
}

TEST_F(JournalTest, DeletingOutsideTheJournalChangesNoByte) {
    buche(3);
    const std::string vorher = verzeichnis.lies(journaldatei);
    for (std::int32_t k : {0, -1, 4}) {
        loesche_buchung(k);
        EXPECT_EQ(verzeichnis.lies(journaldatei), vorher) << k;
    }
}

TEST_F(JournalTest, AFailedDeletionLeavesTheOldJournal) {
    buche(300);
    const std::string vorher = verzeichnis.lies(journaldatei);
    runtime::testnaht::schreibfehler_bei(2, ENOSPC);
    EXPECT_EQ(meldung_von([] { loesche_buchung(5); }), "Zu wenig Speicherplatz");
    EXPECT_EQ(verzeichnis.lies(journaldatei), vorher);
    EXPECT_EQ(verzeichnis.dateien(), journaldatei);
}

TEST_F(JournalTest, DeletingInALongJournalTellsHowFarItIs) {
    std::string saetze;
    for (int i = 0; i < 10000; ++i) {
        TBuchung b = gebucht("lang");
        b.Nr = i;
        const Satz satz = als_satz(b);
        saetze.append(reinterpret_cast<const char*>(satz.data()), satz.size());
    }
    verzeichnis.schreibe(journaldatei, saetze);
    std::vector<std::pair<std::int64_t, std::int64_t>> meldungen;
    loesche_buchung(1, [&](std::int64_t erledigt, std::int64_t gesamt) {
        meldungen.emplace_back(erledigt, gesamt);
    });
    const std::vector<std::pair<std::int64_t, std::int64_t>> erwartet = {{4096, 10000},
                                                                         {8192, 10000}};
    EXPECT_EQ(meldungen, erwartet);
    EXPECT_EQ(zaehle_buchungen(), 9999);
}

TEST_F(JournalTest, TheReaderDeliversEveryRecordInOrderAcrossItsBlocks) {
    buche(300);
    Journalleser leser;
    EXPECT_EQ(leser.anzahl(), 300);
    TBuchung b;
    std::int32_t erwartet = 0;
    while (leser.naechste(b)) {
        EXPECT_EQ(b.Nr, erwartet);
        ++erwartet;
    }
    EXPECT_EQ(erwartet, 300);
}

} // namespace
} // namespace saldino::journal

namespace saldino::journal {
namespace {

// A process appending bookings is killed at a random moment: the journal
// keeps only whole records, each with its position as number.
TEST(JournalAbbruch, AKilledWriterLeavesOnlyWholeRecords) {
    test::Arbeitsverzeichnis verzeichnis;
    journal_sichern();
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        for (;;) {
            TBuchung b = gebucht("Schleife");
            buchung_anhaengen(b);
        }
    }
    while (zaehle_buchungen() < 200) {
        ::usleep(1000);
    }
    ::kill(kind, SIGKILL);
    int status = 0;
    ::waitpid(kind, &status, 0);
    const std::string inhalt = verzeichnis.lies(journaldatei);
    EXPECT_EQ(inhalt.size() % satzlaenge, 0u);
    Journalleser leser;
    TBuchung b;
    std::int32_t erwartet = 0;
    while (leser.naechste(b)) {
        ASSERT_EQ(b.Nr, erwartet);
        ASSERT_EQ(b.Grund, "Schleife");
        ++erwartet;
    }
    EXPECT_EQ(erwartet, zaehle_buchungen());
    EXPECT_GE(erwartet, 200);
}

} // namespace
} // namespace saldino::journal
