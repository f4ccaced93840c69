#include "runtime/sperre.h"

#include "hilfen/arbeitsverzeichnis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace saldino::runtime {
namespace {

namespace fs = std::filesystem;

struct Sperrfall {
    const char* name;
    std::function<void(const test::Arbeitsverzeichnis&)> vorbereiten;
};

class Sperrort : public ::testing::TestWithParam<Sperrfall> {};

// Whatever lies in the directory, a second program there is refused, and
// taking the lock writes nothing.
TEST_P(Sperrort, TheSecondProgramIsRefusedAndNothingIsCreated) {
    test::Arbeitsverzeichnis verzeichnis;
    const fs::path aussen = verzeichnis.pfad().parent_path() / "saldino-sperre-aussen";
    fs::remove(aussen);
    GetParam().vorbereiten(verzeichnis);
    const std::string vorher = verzeichnis.dateien();
    {
        const auto erste = Sperre::versuche();
        ASSERT_TRUE(erste);
        EXPECT_FALSE(Sperre::versuche());
    }
    EXPECT_TRUE(Sperre::versuche());
    EXPECT_EQ(verzeichnis.dateien(), vorher);
    EXPECT_FALSE(fs::exists(aussen));
    fs::permissions(verzeichnis.pfad(), fs::perms::owner_all, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(
    Sperre, Sperrort,
    ::testing::Values(Sperrfall{"Leer", [](const test::Arbeitsverzeichnis&) {}},
                      Sperrfall{"AlteSperrdateiIstEinOrdner",
                                [](const test::Arbeitsverzeichnis& v) {
                                    fs::create_directory(v.pfad() / ".saldino.lock");
                                }},
                      Sperrfall{"AlteSperrdateiIstEinToterVerweis",
                                [](const test::Arbeitsverzeichnis& v) {
                                    fs::create_symlink(v.pfad().parent_path() /
                                                           "saldino-sperre-aussen",
                                                       v.pfad() / ".saldino.lock");
                                }},
                      Sperrfall{"Schreibgeschuetzt",
                                [](const test::Arbeitsverzeichnis& v) {
                                    fs::permissions(v.pfad(),
                                                    fs::perms::owner_write |
                                                        fs::perms::group_write |
                                                        fs::perms::others_write,
                                                    fs::perm_options::remove);
                                }}),
    [](const ::testing::TestParamInfo<Sperrfall>& info) { return std::string(info.param.name); });

} // namespace
} // namespace saldino::runtime
