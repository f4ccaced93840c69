// How the program takes its arguments, and how it prepares its directory.
#include "app/start.h"
#include "backup/programmdateien.h"
#include "runtime/fehler.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/fehler.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

namespace saldino::app {
namespace {

struct Fall {
    std::vector<std::string> argumente;
    Startaufruf::Art art;
    const char* verzeichnis; // nullptr: none
    bool pruefstart;
};

class Startargumente : public ::testing::TestWithParam<Fall> {};

TEST_P(Startargumente, AreNeverAnOptionTakenForAFolder) {
    const Startaufruf aufruf = lies_startaufruf(GetParam().argumente);
    EXPECT_EQ(aufruf.art, GetParam().art);
    if (GetParam().art == Startaufruf::Art::starten) {
        EXPECT_EQ(aufruf.verzeichnis.has_value(), GetParam().verzeichnis != nullptr);
        if (GetParam().verzeichnis != nullptr) {
            EXPECT_EQ(aufruf.verzeichnis->string(), GetParam().verzeichnis);
        }
        EXPECT_EQ(aufruf.pruefstart, GetParam().pruefstart);
    }
}

using A = Startaufruf::Art;
INSTANTIATE_TEST_SUITE_P(
    Start, Startargumente,
    ::testing::Values(
        Fall{{}, A::starten, nullptr, false},
        Fall{{"/tmp/Klasse 8b"}, A::starten, "/tmp/Klasse 8b", false},
        Fall{{"--pruefstart", "k"}, A::starten, "k", true},
        Fall{{"--", "-ordner"}, A::starten, "-ordner", false},
        Fall{{"--help"}, A::hilfe, nullptr, false}, Fall{{"k", "-h"}, A::hilfe, nullptr, false},
        Fall{{"--version"}, A::version, nullptr, false},
        Fall{{"--anleitung"}, A::anleitung, nullptr, false},
        Fall{{"-x"}, A::falsch, nullptr, false}, Fall{{"--ordner"}, A::falsch, nullptr, false},
        Fall{{"a", "b"}, A::falsch, nullptr, false}, Fall{{""}, A::falsch, nullptr, false}),
    [](const auto& info) {
        return test::zeilenname(test::verbunden(info.param.argumente), info.index);
    });

TEST(Vorbereitung, CopiesWhatIsMissingAndNothingElse) {
    test::Arbeitsverzeichnis verzeichnis;
    const std::filesystem::path ziel = verzeichnis.pfad() / "Klasse";
    backup::arbeitsverzeichnis_vorbereiten(ziel, SALDINO_DATA_DIR);
    EXPECT_TRUE(std::filesystem::exists(ziel / "Kontenplan1.txt"));
    EXPECT_FALSE(std::filesystem::exists(ziel / "loesungen"));
    verzeichnis.schreibe("Klasse/einstellungen.txt", "meine\r\n");
    std::filesystem::remove(ziel / "Kontenplan2.txt");
    backup::arbeitsverzeichnis_vorbereiten(ziel, SALDINO_DATA_DIR);
    EXPECT_EQ(verzeichnis.lies("Klasse/einstellungen.txt"), "meine\r\n");
    EXPECT_TRUE(std::filesystem::exists(ziel / "Kontenplan2.txt"));
    verzeichnis.schreibe("datei", "");
    EXPECT_TRUE(test::meldung_von([&] {
                    backup::arbeitsverzeichnis_vorbereiten(verzeichnis.pfad() / "datei" / "x",
                                                           SALDINO_DATA_DIR);
                }).starts_with("Das Arbeitsverzeichnis "));
}

} // namespace
} // namespace saldino::app
