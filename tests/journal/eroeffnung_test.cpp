#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/bericht.h"
#include "journal/eroeffnung.h"

#include "runtime/text.h"

#include <gtest/gtest.h>

namespace saldino::journal {
namespace {

masterdata::TKonto konto(const char* name, const char* seite) {
    return {runtime::utf8_nach_cp1252(name), "*", "", seite, ""};
}

struct Fall {
    const char* name;
    std::vector<std::string> zellen; // Kasse, Bank, Eigenkapital, Darlehen, Miete, Zinsertrag, EBK
    const char* aktiva;
    const char* passiva;
};

class Eroeffnungssummen_ : public ::testing::TestWithParam<Fall> {};

TEST_P(Eroeffnungssummen_, AddsTheAmountsOkWouldBookBySide) {
    const std::vector<masterdata::TKonto> konten = {konto("Kasse", "A"),
                                                    konto("Bank", "A"),
                                                    konto("Eigenkapital", "P"),
                                                    konto("Darlehen", "P"),
                                                    konto("Miete", "S"),
                                                    konto("Zinsertrag", "H"),
                                                    konto("Eröffnungsbilanzkonto", "A")};
    const Eroeffnungssummen summen = eroeffnungssummen(konten, GetParam().zellen);
    EXPECT_EQ(summen.aktiva, GetParam().aktiva);
    EXPECT_EQ(summen.passiva, GetParam().passiva);
    EXPECT_EQ(summen.ausgeglichen, std::string(summen.aktiva) == summen.passiva);
    // Marked are exactly the cells "OK" would refuse or cannot read.
    for (std::size_t k = 0; k < GetParam().zellen.size(); ++k) {
        const std::string& zelle = GetParam().zellen[k];
        const bool erwartet = zelle == "80.00.00" || zelle == "1,2,3" || zelle == "-5";
        EXPECT_EQ(summen.unlesbar[k], erwartet) << zelle;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seiten, Eroeffnungssummen_,
    ::testing::Values(
        Fall{"Empty", {}, "0,00", "0,00"},
        Fall{"Balanced", {"500", "1500,5", "2000,50"}, "2000,50", "2000,50"},
        Fall{"ProfitAndLossAccountsBySide", {"", "", "", "", "10", "7,125"}, "10,00", "7,12"},
        Fall{"RefusedUnreadableAndNotAboveZeroCountNothing",
             {"80.00.00", "1,2,3", "-5", "0", "", "", "999"},
             "0,00",
             "0,00"},
        Fall{"LargeAmountsExactToTheCent",
             {"9999999999999,99", "0,01", "10000000000000"},
             "10000000000000,00",
             "10000000000000,00"}),
    [](const ::testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

} // namespace
} // namespace saldino::journal

namespace saldino::journal {
namespace {

// "Nur Anfangsbestände ersetzen": the new opening first, every other booking
// after it in its order, renumbered; the old opening gone.
TEST(Anfangsbestaende, AreReplacedAndEveryOtherBookingKept) {
    test::Arbeitsverzeichnis verzeichnis;
    const std::string ebk = "Eröffnungsbilanzkonto";
    test::buche({{"Kasse", 100, 0}, {ebk, 0, 100}}, "Eröffnungsbuchung", "01.01.2004");
    test::buche({{"Miete", 40, 0}, {"Kasse", 0, 40}}, "Miete");
    test::buche({{ebk, 100, 0}, {"Eigenkapital", 0, 100}}, "Eröffnungsbuchung", "01.01.2004");
    test::buche({{"Bank", 5, 0}, {"Kasse", 0, 5}}, "Einzahlung");
    const std::vector<masterdata::TKonto> konten = {konto("Kasse", "A"), konto("Eigenkapital", "P"),
                                                    konto("Eröffnungsbilanzkonto", "A")};
    EXPECT_EQ(anfangsbestaende_ersetzen(konten, {200, 200, 0}, "01.01.2004"), 4);
    std::vector<TBuchung> saetze;
    Journalleser leser;
    for (TBuchung b; leser.naechste(b);) {
        saetze.push_back(b);
    }
    ASSERT_EQ(saetze.size(), 4U);
    EXPECT_EQ(saetze[0].Konto[0], "Kasse");
    EXPECT_EQ(saetze[0].Soll[0], 200);
    EXPECT_EQ(saetze[1].Konto[1], "Eigenkapital");
    EXPECT_EQ(saetze[2].Grund, "Miete");
    EXPECT_EQ(saetze[3].Grund, "Einzahlung");
    for (std::int32_t n = 0; n < 4; ++n) {
        EXPECT_EQ(saetze[static_cast<std::size_t>(n)].Nr, n);
    }
}

} // namespace
} // namespace saldino::journal
