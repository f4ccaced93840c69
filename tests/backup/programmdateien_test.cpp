#include "backup/programmdateien.h"

#include "backup/sicherung.h"
#include "journal/buchung.h"

#include "hilfen/arbeitsverzeichnis.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace saldino::backup {
namespace {

struct Zielfall {
    const char* ziel;
    bool erlaubt;
};

class Sicherungsziel : public ::testing::TestWithParam<Zielfall> {
protected:
    void SetUp() override {
        verzeichnis.mit_daten();
        journal::journal_sichern();
        schreibe_sicherung("alt.sdn", {}, 1);
        schreibe_sicherung("mit_strich.sdn", {"Fir|ma"}, 1);
        verzeichnis.schreibe("notizen.txt", "Hausaufgaben\r\n");
        std::filesystem::create_directory("unterordner");
        std::filesystem::create_directory(programmordner);
    }
    test::Arbeitsverzeichnis verzeichnis;
};

TEST_P(Sicherungsziel, OnlyANewFileOrABackupMayReceiveTheBackup) {
    EXPECT_EQ(darf_sicherung_schreiben(GetParam().ziel, verzeichnis.pfad().string()),
              GetParam().erlaubt);
    // The same seen from elsewhere, with the absolute path a file dialog gives.
    std::filesystem::current_path("unterordner");
    EXPECT_EQ(darf_sicherung_schreiben((verzeichnis.pfad() / GetParam().ziel).string(),
                                       verzeichnis.pfad().string()),
              GetParam().erlaubt);
    std::filesystem::current_path(verzeichnis.pfad());
}

INSTANTIATE_TEST_SUITE_P(
    Sicherung, Sicherungsziel,
    ::testing::Values(Zielfall{"buchungen.dat", false}, Zielfall{"einstellungen.txt", false},
                      Zielfall{"Kontenplan3.txt", false}, Zielfall{"Aufgabe5.txt", false},
                      Zielfall{"aufgabe5.txt", false}, Zielfall{"loesung2.sdn", true},
                      Zielfall{"Wichtiger Hinweis.rtf", false}, Zielfall{"temp.dat", false},
                      Zielfall{".saldino", false}, Zielfall{".saldino/rueckgaengig.sdn", false},
                      Zielfall{"unterordner/../buchungen.dat", false},
                      Zielfall{"notizen.txt", false}, Zielfall{"stand.sdn", true},
                      Zielfall{"alt.sdn", true}, Zielfall{"mit_strich.sdn", true},
                      Zielfall{"unterordner/buchungen.dat", true}, Zielfall{"loesung10.sdn", true}),
    [](const auto& info) { return test::zeilenname(info.param.ziel, info.index); });

} // namespace
} // namespace saldino::backup
