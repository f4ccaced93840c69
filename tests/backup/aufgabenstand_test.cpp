// The exercise chosen last and its ticks, kept across a restart.
#include "backup/aufgabenstand.h"

#include "hilfen/arbeitsverzeichnis.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace saldino::backup {
namespace {

TEST(Aufgabenstand, IsReadAsItWasKept) {
    test::Arbeitsverzeichnis verzeichnis;
    EXPECT_EQ(lies_aufgabenstand().aufgabe, 0); // none kept yet
    schreibe_aufgabenstand({4, {true, false, true}});
    const Aufgabenstand stand = lies_aufgabenstand();
    EXPECT_EQ(stand.aufgabe, 4);
    EXPECT_EQ(stand.erledigt, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(verzeichnis.lies(".saldino/aufgabe"), "4\n101\n");
}

struct Kaputt {
    const char* inhalt;
    std::int32_t aufgabe;
};

class KaputterAufgabenstand : public ::testing::TestWithParam<Kaputt> {};

// A file damaged by hand or by a crash starts without a choice, never fails.
TEST_P(KaputterAufgabenstand, StartsWithoutAChoice) {
    test::Arbeitsverzeichnis verzeichnis;
    std::filesystem::create_directories(verzeichnis.pfad() / ".saldino");
    verzeichnis.schreibe(".saldino/aufgabe", GetParam().inhalt);
    EXPECT_EQ(lies_aufgabenstand().aufgabe, GetParam().aufgabe);
}

INSTANTIATE_TEST_SUITE_P(Aufgaben, KaputterAufgabenstand,
                         ::testing::Values(Kaputt{"", 0}, Kaputt{"x\n1\n", 0}, Kaputt{"3", 0},
                                           Kaputt{"3\n", 3}, Kaputt{"3\n10x1\n", 3}));

} // namespace
} // namespace saldino::backup
