// The supplied exercises name their chart and only accounts of it.
#include "masterdata/kontenplan.h"

#include "runtime/dateien.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <vector>

namespace saldino::backup {
namespace {

class MitgelieferteAufgabe : public ::testing::TestWithParam<int> {};

TEST_P(MitgelieferteAufgabe, ExerciseNamesOnlyAccountsOfItsChart) {
    const std::string daten = SALDINO_DATA_DIR "/";
    const std::string n = std::to_string(GetParam());
    const std::string titel = runtime::cp1252_nach_utf8(
        test::Arbeitsverzeichnis::lies_datei(daten + "Aufgabe" + n + ".txt"));
    const std::string liste = runtime::cp1252_nach_utf8(
        test::Arbeitsverzeichnis::lies_datei(daten + "aufgabe" + n + ".txt"));
    ASSERT_FALSE(titel.empty());
    EXPECT_TRUE(liste.starts_with(titel)) << "the checklist begins with the title";
    EXPECT_TRUE(liste.ends_with("\r\n"));

    // Amounts and dates as the program reads them: no thousands points, every date with its year.
    EXPECT_FALSE(std::regex_search(liste, std::regex(R"(\d\.\d{3},\d\d)")));
    EXPECT_FALSE(std::regex_search(liste, std::regex(R"((^|[^\d.])\d\d\.\d\d\.($|[^\d]))")));

    const std::size_t stelle = liste.find("Kontenplan ");
    ASSERT_NE(stelle, std::string::npos) << "names its chart";
    const int kontenplan = liste[stelle + 11] - '0';
    ASSERT_GE(kontenplan, 1);
    ASSERT_LE(kontenplan, 4);

    test::Arbeitsverzeichnis verzeichnis;
    verzeichnis.mit_daten();
    const masterdata::Kontenplan plan(kontenplan);
    int genannt = 0;
    for (std::size_t auf = liste.find("„"); auf != std::string::npos;
         auf = liste.find("„", auf + 1)) {
        const std::size_t zu = liste.find("“", auf);
        ASSERT_NE(zu, std::string::npos);
        const std::string konto = liste.substr(auf + 3, zu - auf - 3);
        EXPECT_TRUE(plan.ist_konto(runtime::utf8_nach_cp1252(konto)))
            << konto << " in Kontenplan " << kontenplan;
        ++genannt;
    }
    EXPECT_GE(genannt, 4);
    const auto zeilen = runtime::teile_zeilen(liste);
    EXPECT_GE(zeilen.size(), 10u);
}

// Every exercise the program supplies: Aufgabe1.txt, Aufgabe2.txt, ... as long as there are any.
std::vector<int> aufgaben() {
    std::vector<int> nummern;
    for (int n = 1;
         std::filesystem::exists(SALDINO_DATA_DIR "/Aufgabe" + std::to_string(n) + ".txt"); ++n) {
        nummern.push_back(n);
    }
    return nummern;
}

INSTANTIATE_TEST_SUITE_P(Aufgaben, MitgelieferteAufgabe, ::testing::ValuesIn(aufgaben()),
                         test::Zeilenname());

} // namespace
} // namespace saldino::backup
