#include "runtime/dateien.h"
#include "runtime/fehler.h"
#include "runtime/text.h"
#include "runtime/zahlen.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/fehler.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace saldino::runtime {
namespace {

using test::meldung_von;

using Zeilen = std::vector<std::string>;

struct Zeilenfall {
    std::string text;
    Zeilen zeilen;
};

class Zeilenenden : public ::testing::TestWithParam<Zeilenfall> {};

TEST_P(Zeilenenden, SplitAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(teile_zeilen(GetParam().text), GetParam().zeilen);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Zeilenenden,
    ::testing::Values(Zeilenfall{"", {}}, Zeilenfall{"a", {"a"}}, Zeilenfall{"a\r\n", {"a"}},
                      Zeilenfall{"a\r\nb", {"a", "b"}}, Zeilenfall{"a\nb\n", {"a", "b"}},
                      Zeilenfall{"a\rb\r", {"a", "b"}}, Zeilenfall{"\r\n", {""}},
                      Zeilenfall{"a\r\n\r\nb\r\n", {"a", "", "b"}},
                      Zeilenfall{"a\n\rb", {"a", "", "b"}}),
    [](const auto& info) { return test::zeilenname(info.param.text, info.index); });

TEST(Dateien, SplittingStopsAfterTheLinesAsked) {
    EXPECT_EQ(teile_zeilen("a\r\nb\r\nc\r\n", 2), (Zeilen{"a", "b"}));
    EXPECT_EQ(teile_zeilen(std::string(100000, '\n'), 3), (Zeilen{"", "", ""}));
}

// A line over the limit is refused with its number, however far its end lies;
// lines up to the limit (without their CR LF) are read across the blocks.
TEST(Dateien, TheLineReaderRefusesALineOverItsLimit) {
    test::Arbeitsverzeichnis verzeichnis;
    const std::string lang(100 * 1024, 'x');
    verzeichnis.schreibe("z.txt", "a\r\n" + lang + "\r\n" + lang + "y\r\nb");
    Zeilenleser leser("z.txt", lang.size());
    std::string_view zeile;
    ASSERT_TRUE(leser.naechste(zeile));
    EXPECT_EQ(zeile, "a");
    ASSERT_TRUE(leser.naechste(zeile));
    EXPECT_EQ(zeile, lang);
    try {
        leser.naechste(zeile);
        ADD_FAILURE() << "read a line over the limit";
    } catch (const Zeilenleser::ZeileZuLang& fehler) {
        EXPECT_EQ(fehler.zeile, 3);
    }

    verzeichnis.schreibe("ohne_ende.txt", std::string(10 * 1024 * 1024, '|'));
    Zeilenleser kurz("ohne_ende.txt", 1000);
    EXPECT_THROW(kurz.naechste(zeile), Zeilenleser::ZeileZuLang);
}

struct Fehlerfall {
    int nummer;
    const char* meldung;
};

class Fehlertexte : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(Fehlertexte, NameTheCauseInGerman) {
    EXPECT_EQ(cp1252_nach_utf8(dateifehler_text(GetParam().nummer)), GetParam().meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Fehlertexte,
    ::testing::Values(Fehlerfall{ENOENT, "Datei nicht gefunden"},
                      Fehlerfall{ENOTDIR, "Ein Teil des Pfades ist kein Ordner"},
                      Fehlerfall{EISDIR, "Ungültiger Dateiname"},
                      Fehlerfall{ENAMETOOLONG, "Ungültiger Dateiname"},
                      Fehlerfall{ELOOP, "Zu viele Verweise im Pfad"},
                      Fehlerfall{EMFILE, "Zu viele geöffnete Dateien"},
                      Fehlerfall{EACCES, "Dateizugriff verweigert"},
                      Fehlerfall{EPERM, "Dateizugriff verweigert"},
                      Fehlerfall{EROFS, "Dateizugriff verweigert"},
                      Fehlerfall{ETXTBSY, "Dateizugriff verweigert"},
                      Fehlerfall{ENOSPC, "Zu wenig Speicherplatz"},
                      Fehlerfall{EDQUOT, "Zu wenig Speicherplatz"},
                      Fehlerfall{EIO, "Lese- oder Schreibfehler auf dem Datenträger"},
                      Fehlerfall{EBUSY, "Datei oder Ordner wird gerade benutzt"},
                      Fehlerfall{EXDEV, "Verschieben auf einen anderen Datenträger nicht möglich"},
                      Fehlerfall{ENXIO, "E/A-Fehler 6"}),
    [](const auto& info) { return test::zeilenname(info.param.meldung, info.index); });

struct Integerfall {
    const char* text;
    std::int32_t wert; // used when gueltig
    bool gueltig;
};

class Integer : public ::testing::TestWithParam<Integerfall> {};

TEST_P(Integer, ReadsDecimalIntegersOnly) {
    const auto& fall = GetParam();
    if (fall.gueltig) {
        EXPECT_EQ(lies_integer(fall.text), fall.wert);
        return;
    }
    try {
        lies_integer(fall.text);
        ADD_FAILURE() << "accepted " << fall.text;
    } catch (const Laufzeitfehler& fehler) {
        EXPECT_EQ(cp1252_nach_utf8(fehler.meldung()),
                  "'" + std::string(fall.text) + "' ist kein gültiger Integerwert");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zahlen, Integer,
    ::testing::Values(Integerfall{"2", 2, true}, Integerfall{"-1", -1, true},
                      Integerfall{"+3", 3, true}, Integerfall{"007", 7, true},
                      Integerfall{"-2147483648", INT32_MIN, true}, Integerfall{"", 0, false},
                      Integerfall{" 1", 0, false}, Integerfall{"1 ", 0, false},
                      Integerfall{"2147483648", 0, false}, Integerfall{"+-1", 0, false},
                      Integerfall{"-", 0, false}, Integerfall{"0x1", 0, false},
                      Integerfall{"eins", 0, false}),
    [](const auto& info) { return test::zeilenname(info.param.text, info.index); });

class Ersetzen : public ::testing::Test {
protected:
    void TearDown() override { testnaht::schreibfehler_bei(0, 0); }

    test::Arbeitsverzeichnis verzeichnis;
};

TEST_F(Ersetzen, WritesTheNewContentAndKeepsThePermissions) {
    verzeichnis.schreibe("a.txt", "alt");
    ::chmod("a.txt", 0640);
    ersetze_datei("a.txt", "neu\r\n");
    EXPECT_EQ(verzeichnis.lies("a.txt"), "neu\r\n");
    struct stat info {};
    ::stat("a.txt", &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(verzeichnis.dateien(), "a.txt");
}

TEST_F(Ersetzen, RemovesWhatACrashLeftBesideTheSameTargetOnly) {
    verzeichnis.schreibe("a.txt.saldino.tmpAbCdEf", "halb");
    verzeichnis.schreibe("b.txt.saldino.tmpAbCdEf", "fremd");
    ersetze_datei("a.txt", "neu");
    EXPECT_EQ(verzeichnis.dateien(), "a.txt b.txt.saldino.tmpAbCdEf");
}

TEST_F(Ersetzen, CreatesAMissingFile) {
    ersetze_datei("neu.txt", "x");
    EXPECT_EQ(verzeichnis.lies("neu.txt"), "x");
}

TEST_F(Ersetzen, RefusesAReadOnlyTargetAndLeavesIt) {
    verzeichnis.schreibe("a.txt", "alt");
    {
        test::Schreibschutz schutz("a.txt");
        EXPECT_EQ(meldung_von([] { ersetze_datei("a.txt", "neu"); }), "Dateizugriff verweigert");
    }
    EXPECT_EQ(verzeichnis.lies("a.txt"), "alt");
    EXPECT_EQ(verzeichnis.dateien(), "a.txt");
}

TEST_F(Ersetzen, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
    verzeichnis.schreibe("a.txt", "alt");
    testnaht::schreibfehler_bei(1, ENOSPC);
    EXPECT_EQ(meldung_von([] { ersetze_datei("a.txt", "neuer Inhalt"); }),
              "Zu wenig Speicherplatz");
    EXPECT_EQ(verzeichnis.lies("a.txt"), "alt");
    EXPECT_EQ(verzeichnis.dateien(), "a.txt");
}

TEST_F(Ersetzen, AnUnfinishedReplacementLeavesTheOldFile) {
    verzeichnis.schreibe("a.txt", "alt");
    {
        Ersatzdatei datei("a.txt");
        datei.schreibe("halb");
    }
    EXPECT_EQ(verzeichnis.lies("a.txt"), "alt");
    EXPECT_EQ(verzeichnis.dateien(), "a.txt");
}

TEST_F(Ersetzen, ReadingAMissingFileSaysSo) {
    EXPECT_EQ(meldung_von([] { lies_ganz("fehlt.txt"); }), "Datei nicht gefunden");
}

namespace fs = std::filesystem;

enum class Art { fifo, verweis_nach_aussen, toter_verweis, geraet, ordner };

struct Fremdfall {
    const char* name;
    Art art;
    const char* lesen;     // the message of reading the file whole
    const char* schreiben; // the message of opening it for writing
    const char* ersetzen;  // the message of replacing it
};

class FremdeDatei : public ::testing::TestWithParam<Fremdfall> {
protected:
    void SetUp() override {
        aussen =
            verzeichnis.pfad().parent_path() / ("saldino-aussen-" + std::to_string(::getpid()));
        fs::remove(aussen);
        const fs::path hier = verzeichnis.pfad() / "daten.txt";
        switch (GetParam().art) {
        case Art::fifo:
            ASSERT_EQ(::mkfifo(hier.c_str(), 0600), 0);
            break;
        case Art::verweis_nach_aussen:
            std::ofstream(aussen) << "draussen";
            fs::create_symlink(aussen, hier);
            break;
        case Art::toter_verweis:
            fs::create_symlink(aussen, hier);
            break;
        case Art::geraet:
            fs::create_symlink("/dev/zero", hier);
            break;
        case Art::ordner:
            fs::create_directory(hier);
            break;
        }
    }
    void TearDown() override { fs::remove(aussen); }

    test::Arbeitsverzeichnis verzeichnis;
    fs::path aussen;
};

// Nothing blocks, nothing is written through a symlink or outside the
// directory, and every refusal names its cause.
TEST_P(FremdeDatei, IsRefusedWithoutBlockingOrWritingOutside) {
    EXPECT_EQ(test::meldung_von([] { lies_ganz("daten.txt"); }), GetParam().lesen);
    EXPECT_EQ(test::meldung_von([] { Datei("daten.txt", Datei::Zugriff::schreiben, true); }),
              GetParam().schreiben);
    EXPECT_EQ(test::meldung_von([] { ersetze_datei("daten.txt", "neu"); }), GetParam().ersetzen);
    if (GetParam().art == Art::verweis_nach_aussen) {
        EXPECT_EQ(test::Arbeitsverzeichnis::lies_datei(aussen), "draussen");
    } else {
        EXPECT_FALSE(fs::exists(aussen));
    }
    EXPECT_EQ(verzeichnis.dateien(), "daten.txt");
}

constexpr const char* verweis =
    "Die Datei daten.txt ist ein Verweis auf eine andere Datei und wird nicht beschrieben.";

INSTANTIATE_TEST_SUITE_P(
    Dateien, FremdeDatei,
    ::testing::Values(
        Fremdfall{"Fifo", Art::fifo, "Ungültiger Dateiname", "Ungültiger Dateiname",
                  "Ungültiger Dateiname"},
        Fremdfall{"VerweisNachAussen", Art::verweis_nach_aussen, "(kein Fehler)", verweis, verweis},
        Fremdfall{"ToterVerweis", Art::toter_verweis, "Datei nicht gefunden", verweis, verweis},
        Fremdfall{"Geraet", Art::geraet, "Ungültiger Dateiname", verweis, verweis},
        Fremdfall{"Ordner", Art::ordner, "Ungültiger Dateiname", "Ungültiger Dateiname",
                  "Ungültiger Dateiname"}),
    [](const ::testing::TestParamInfo<Fremdfall>& info) { return std::string(info.param.name); });

TEST(Dateien, AFileReadWholeMayHoldSixteenMegabytesAndNoMore) {
    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.schreibe("gross.txt", std::string(hoechstgroesse_ganz, 'x'));
    EXPECT_EQ(lies_ganz("gross.txt").size(), hoechstgroesse_ganz);
    verzeichnis.schreibe("gross.txt", std::string(hoechstgroesse_ganz + 1, 'x'));
    EXPECT_EQ(test::meldung_von([] { lies_ganz("gross.txt"); }),
              "Die Datei gross.txt ist zu groß.");
}

} // namespace
} // namespace saldino::runtime
