// The four charts supplied in data/ must suit every report: sections in the
// order assets, liabilities, expenses, revenues, unique names that fit a
// report line, and the opening-balance account last.
#include "masterdata/kontenplan.h"

#include "runtime/dateien.h"
#include "runtime/text.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <set>

namespace saldino::masterdata {
namespace {

class MitgelieferterKontenplan : public ::testing::TestWithParam<int> {};

TEST_P(MitgelieferterKontenplan, IsAWellFormedChart) {
    const std::string text = test::Arbeitsverzeichnis::lies_datei(
        std::string(SALDINO_DATA_DIR) + "/" + kontenplandatei(GetParam()));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(runtime::utf8_nach_cp1252(runtime::cp1252_nach_utf8(text)), text);
    const auto zeilen = runtime::teile_zeilen(text);
    ASSERT_LE(zeilen.size(), 99u);
    ASSERT_GE(zeilen.size(), 20u);

    const std::string abschluss = runtime::utf8_nach_cp1252("Eröffnungsbilanzkonto<B> A  B");
    EXPECT_EQ(zeilen.back(), abschluss);

    const std::string reihenfolge = "APSH";
    std::size_t abschnitt = 0;
    std::set<std::string> namen;
    for (std::size_t i = 0; i + 1 < zeilen.size(); ++i) {
        TKonto konto;
        ASSERT_TRUE(werte_aus(zeilen[i], konto)) << zeilen[i];
        const std::size_t stelle = reihenfolge.find(konto.seite);
        ASSERT_NE(stelle, std::string::npos) << zeilen[i];
        EXPECT_GE(stelle, abschnitt) << "out of section order: " << zeilen[i];
        abschnitt = std::max(abschnitt, stelle);
        EXPECT_EQ(konto.bilanz.empty(), stelle >= 2) << zeilen[i];
        EXPECT_TRUE(konto.bn == (stelle < 2 ? "" : "B") || (stelle >= 2 && konto.bn == "N"))
            << zeilen[i];
        EXPECT_LE(konto.bezeichnung.size(), 35u) << zeilen[i];
        EXPECT_EQ(konto.bezeichnung.find('|'), std::string::npos) << zeilen[i];
        EXPECT_TRUE(namen.insert(konto.bezeichnung).second) << "twice: " << zeilen[i];
    }
    EXPECT_EQ(abschnitt, 3u);
}

INSTANTIATE_TEST_SUITE_P(Kontenplaene, MitgelieferterKontenplan, ::testing::Values(1, 2, 3, 4),
                         test::Zeilenname());

} // namespace
} // namespace saldino::masterdata
