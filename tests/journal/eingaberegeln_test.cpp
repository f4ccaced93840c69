#include "journal/eingaberegeln.h"

#include "hilfen/fehler.h"

#include "hilfen/testnamen.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace saldino::journal {
namespace {

using test::meldung_von;

struct Fall {
    std::string eingabe;
    std::string ergebnis; // the result, or the message of the error
};

void PrintTo(const Fall& fall, std::ostream* aus) {
    *aus << '"' << fall.eingabe << '"';
}

std::string ergebnis_von(const std::function<std::string()>& regel) {
    std::string ergebnis;
    const std::string meldung = meldung_von([&] { ergebnis = regel(); });
    return meldung == "(kein Fehler)" ? ergebnis : meldung;
}

class Datumsregel : public ::testing::TestWithParam<Fall> {};

TEST_P(Datumsregel, GivesTheDateTextOrTheMarker) {
    EXPECT_EQ(ergebnis_von([] { return checkdate(GetParam().eingabe, 2004); }),
              GetParam().ergebnis);
}

INSTANTIATE_TEST_SUITE_P(
    Eingaberegeln, Datumsregel,
    ::testing::Values(Fall{"05.03.04", "05.03.2004"}, Fall{"05.03.2004", "05.03.2004"},
                      Fall{"050304", "05.03.2004"}, Fall{"0503", "05.03.2004"},
                      Fall{"01.01.99", "01.01.2099"}, Fall{"31.02.2004", "31.02.2004"},
                      Fall{"00.00.2004", "00.00.2004"}, Fall{"32.01.2004", "00.00.0000"},
                      Fall{"01.13.04", "00.00.0000"}, Fall{"01.01.1899", "00.00.0000"},
                      Fall{"05.03.", "05.03.2004"}, Fall{"99.99.", "99.99.2004"},
                      Fall{"5.3.", "05.03.2004"}, Fall{"2.1.04", "02.01.2004"},
                      Fall{"2.1.2004", "02.01.2004"}, Fall{"02.1.", "02.01.2004"},
                      Fall{"8.01.04", "08.01.2004"}, Fall{"1.1.", "01.01.2004"},
                      Fall{"2.1.004", "00.00.0000"}, Fall{"2..04", "00.00.0000"},
                      Fall{"123.1.04", "00.00.0000"}, Fall{"40.1.04", "00.00.0000"},
                      Fall{"05032004", "00.00.0000"}, Fall{"05/03/2004", "00.00.0000"},
                      Fall{" 05.03.04", "00.00.0000"}, Fall{"", "00.00.0000"},
                      Fall{"9999", "99.99.2004"}, Fall{"999999", "99.99.2099"},
                      Fall{"1.2.2004", "01.02.2004"}, Fall{"12.12.1900", "12.12.1900"},
                      Fall{"5.3.04", "05.03.2004"}, Fall{"1.2.04", "01.02.2004"},
                      Fall{"ab.cd.04", "00.00.0000"}, Fall{"05.x3.04", "00.00.0000"},
                      Fall{"05.03.2O04", "00.00.0000"}, Fall{"0 03", "00.00.0000"}),
    test::Zeilenname());

TEST(Datumsregel, TakesTheBookingYearForFourDigits) {
    EXPECT_EQ(checkdate("1712", 1999), "17.12.1999");
    EXPECT_EQ(checkdate("17.12.", 1999), "17.12.1999");
}

class Betragsregel : public ::testing::TestWithParam<Fall> {};

TEST_P(Betragsregel, GivesTheAmountText) {
    EXPECT_EQ(ergebnis_von([] { return checkmoney(GetParam().eingabe); }), GetParam().ergebnis);
}

INSTANTIATE_TEST_SUITE_P(
    Eingaberegeln, Betragsregel,
    ::testing::Values(Fall{"", "0,00"}, Fall{"5", "5,00"}, Fall{"5,5", "5,50"},
                      Fall{" 12 ", "12,00"}, Fall{"+7", "7,00"}, Fall{",", "0,00"},
                      Fall{",5", "0,50"}, Fall{"0,125", "0,12"}, Fall{"1,005", "1,00"},
                      Fall{"12,345", "12,35"}, Fall{"1,999", "2,00"}, Fall{"0,995", "0,99"},
                      Fall{"99,995", "100,00"}, Fall{"-1,5", "-1,50"}, Fall{"-0,5", "-0,50"},
                      Fall{"-0,001", "0,00"}, Fall{"-0,995", "-0,99"}, Fall{"-1,999", "-2,00"},
                      Fall{"1e3", "1000,00"}, Fall{"1E-2", "0,01"}, Fall{"2,5e+1", "25,00"},
                      Fall{"12,50", "12,50"}, Fall{"5,", "5,00"}, Fall{"-0", "0,00"},
                      Fall{"0,375", "0,38"}, Fall{"2,675", "2,67"}, Fall{"1e-400", "0,00"},
                      Fall{"2147483648", "2147483648,00"}, Fall{"-2147483648,5", "-2147483648,50"},
                      Fall{"9007199254740993", "9007199254740992,00"},
                      Fall{"9,2e18", "9200000000000000000,00"}, Fall{"1.000", "1000,00"},
                      Fall{"80.000,00", "80000,00"}, Fall{"2.500", "2500,00"},
                      Fall{"1.234.567,5", "1234567,50"}, Fall{"-1.500", "-1500,00"},
                      Fall{"1250.50", "1250,50"}, Fall{"1250.5", "1250,50"}, Fall{"1.00", "1,00"},
                      Fall{"1.2345", "'1.2345' ist kein gültiger Gleitkommawert"},
                      Fall{"1234.567", "'1234.567' ist kein gültiger Gleitkommawert"},
                      Fall{"12.34.567", "'12.34.567' ist kein gültiger Gleitkommawert"},
                      Fall{"1.500.", "'1.500.' ist kein gültiger Gleitkommawert"},
                      Fall{"1,2,3", "'1,2,3' ist kein gültiger Gleitkommawert"},
                      Fall{"abc", "'abc' ist kein gültiger Gleitkommawert"},
                      Fall{"-", "'-' ist kein gültiger Gleitkommawert"},
                      Fall{"1e", "'1e' ist kein gültiger Gleitkommawert"},
                      Fall{"E5", "'E5' ist kein gültiger Gleitkommawert"},
                      Fall{"1 000", "'1 000' ist kein gültiger Gleitkommawert"},
                      Fall{"1e400", "'1e400' ist kein gültiger Gleitkommawert"},
                      Fall{"1e300", "'1e300' ist kein gültiger Gleitkommawert"},
                      Fall{"9,3e18", "'9,3e18' ist kein gültiger Gleitkommawert"}),
    test::Zeilenname());

class Betragsfilter : public ::testing::TestWithParam<Fall> {};

TEST_P(Betragsfilter, LetsDigitsAndCommasThrough) {
    EXPECT_EQ(ist_betrag(GetParam().eingabe), GetParam().ergebnis);
}

INSTANTIATE_TEST_SUITE_P(Eingaberegeln, Betragsfilter,
                         ::testing::Values(Fall{"12,50", "12,50"}, Fall{"100", "100"}, Fall{"", ""},
                                           Fall{"-5", "0,00"}, Fall{"1.000", "1000"},
                                           Fall{"80.000,00", "80000,00"}, Fall{"1.5.0", "0,00"},
                                           Fall{" 5", "0,00"}, Fall{"1,2,3", "1,2,3"}),
                         test::Zeilenname());

struct Verwerfungsfall {
    const char* eingabe;
    bool verworfen;
};

class VerworfenerBetrag : public ::testing::TestWithParam<Verwerfungsfall> {};

TEST_P(VerworfenerBetrag, IsWhatTheFilterWouldTurnIntoZero) {
    EXPECT_EQ(ist_verworfener_betrag(GetParam().eingabe), GetParam().verworfen);
}

INSTANTIATE_TEST_SUITE_P(
    Eingaberegeln, VerworfenerBetrag,
    ::testing::Values(Verwerfungsfall{"80.000,00", false}, Verwerfungsfall{"80.00.00", true},
                      Verwerfungsfall{"-5", true}, Verwerfungsfall{" 5", true},
                      Verwerfungsfall{"5 ", true}, Verwerfungsfall{"80000,00", false},
                      Verwerfungsfall{"1,2,3", false}, Verwerfungsfall{"", false},
                      Verwerfungsfall{"   ", false}, Verwerfungsfall{"0,00", false},
                      Verwerfungsfall{"x", true}),
    [](const auto& info) { return test::zeilenname(info.param.eingabe, info.index); });

struct Zahlfall {
    double wert;
    std::string allgemein;
    std::string betrag;
};

void PrintTo(const Zahlfall& fall, std::ostream* aus) {
    *aus << fall.allgemein;
}

double cent_summe(int anzahl, double betrag) {
    double summe = 0;
    for (int i = 0; i < anzahl; ++i) {
        summe += betrag;
    }
    return summe;
}

class AllgemeineForm : public ::testing::TestWithParam<Zahlfall> {};

TEST_P(AllgemeineForm, WritesFifteenDigitsAtMost) {
    EXPECT_EQ(allgemeine_form(GetParam().wert), GetParam().allgemein);
    EXPECT_EQ(ergebnis_von([] { return betragstext(GetParam().wert); }), GetParam().betrag);
}

INSTANTIATE_TEST_SUITE_P(
    Eingaberegeln, AllgemeineForm,
    ::testing::Values(
        Zahlfall{0.0, "0", "0,00"}, Zahlfall{-0.0, "0", "0,00"}, Zahlfall{0.1 + 0.2, "0,3", "0,30"},
        Zahlfall{cent_summe(100, 0.01), "1", "1,00"}, Zahlfall{cent_summe(30, 0.1), "3", "3,00"},
        Zahlfall{cent_summe(10, 0.1), "1", "1,00"}, Zahlfall{1500, "1500", "1500,00"},
        Zahlfall{12.5, "12,5", "12,50"}, Zahlfall{-3.75, "-3,75", "-3,75"},
        Zahlfall{1e-5, "1E-5", "0,00"}, Zahlfall{0.0001, "0,0001", "0,00"},
        Zahlfall{-0.00012, "-0,00012", "0,00"}, Zahlfall{1e15, "1E15", "1000000000000000,00"},
        Zahlfall{1e16, "1E16", "10000000000000000,00"},
        Zahlfall{123456789012345.0, "123456789012345", "123456789012345,00"},
        Zahlfall{1234567890123456.0, "1,23456789012346E15", "1234567890123460,00"},
        Zahlfall{1.5e20, "1,5E20", "'1,5E20' ist kein gültiger Gleitkommawert"},
        Zahlfall{-2.5e-7, "-2,5E-7", "0,00"}, Zahlfall{1.0 / 3.0, "0,333333333333333", "0,33"},
        Zahlfall{2.0 / 3.0, "0,666666666666667", "0,67"},
        Zahlfall{std::numeric_limits<double>::quiet_NaN(), "NAN",
                 "'NAN' ist kein gültiger Gleitkommawert"},
        Zahlfall{-std::numeric_limits<double>::infinity(), "-INF",
                 "'-INF' ist kein gültiger Gleitkommawert"}),
    test::Zeilenname());

TEST(Betragsregel, AnAmountTextComesBackUnchanged) {
    for (const char* text : {"0,00", "12,50", "-3,75", "1000,00", "99999999,99", "-0,01"}) {
        EXPECT_EQ(checkmoney(text), text);
    }
}

TEST(Betrag, ReadsTheValueWithoutRounding) {
    EXPECT_EQ(lies_betrag("12,345"), 12.345);
    EXPECT_EQ(lies_betrag(""), 0.0);
    EXPECT_EQ(lies_betrag(" -1,5e2 "), -150.0);
}

} // namespace
} // namespace saldino::journal

namespace saldino::journal {
namespace {

// The general form the long way: 15 significant digits in scientific
// notation, trailing zeros cut, then fixed or scientific notation.
std::string allgemein_langsam(double wert) {
    if (wert == 0) {
        return "0";
    }
    char puffer[40];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, 14).ptr;
    std::string text(puffer, ende);
    const std::size_t e = text.find('e');
    const int zehnerpotenz = std::stoi(text.substr(e + 1));
    const bool negativ = text[0] == '-';
    std::string ziffern = text.substr(negativ ? 1 : 0, e - (negativ ? 1 : 0));
    ziffern.erase(1, 1); // the point
    while (ziffern.size() > 1 && ziffern.back() == '0') {
        ziffern.pop_back();
    }
    std::string ergebnis = negativ ? "-" : "";
    if (zehnerpotenz < -4 || zehnerpotenz >= 15) {
        ergebnis += ziffern.substr(0, 1) + (ziffern.size() > 1 ? "," + ziffern.substr(1) : "") +
                    "E" + std::to_string(zehnerpotenz);
    } else if (zehnerpotenz < 0) {
        ergebnis += "0," + std::string(static_cast<std::size_t>(-zehnerpotenz - 1), '0') + ziffern;
    } else {
        ziffern.resize(std::max(ziffern.size(), static_cast<std::size_t>(zehnerpotenz) + 1), '0');
        ergebnis += ziffern.substr(0, static_cast<std::size_t>(zehnerpotenz) + 1);
        if (ziffern.size() > static_cast<std::size_t>(zehnerpotenz) + 1) {
            ergebnis += "," + ziffern.substr(static_cast<std::size_t>(zehnerpotenz) + 1);
        }
    }
    return ergebnis;
}

// The amount text of a stored value is computed without the general form;
// it must still be the amount rule applied to that form, for every kind of value.
TEST(Betragstext, IsTheAmountRuleOfTheGeneralForm) {
    std::mt19937_64 zufall(2004);
    std::vector<double> werte = {0.0,
                                 -0.0,
                                 0.005,
                                 0.015,
                                 0.125,
                                 1.005,
                                 2.675,
                                 99.995,
                                 -0.995,
                                 1e-5,
                                 0.1 + 0.2,
                                 1e13 - 0.005,
                                 9999999999999.99,
                                 123456789012.345,
                                 1e15,
                                 1e16,
                                 9.2e18,
                                 -9.2e18,
                                 5e-324,
                                 2.2250738585072014e-308};
    std::uniform_int_distribution<std::int64_t> cent(-10'000'000'000'000, 10'000'000'000'000);
    std::uniform_real_distribution<double> beliebig(-1e6, 1e6);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 20000; ++i) {
        werte.push_back(static_cast<double>(cent(zufall)) / 100);
        werte.push_back(beliebig(zufall));
        double summe = 0;
        for (int j = 0; j < 7; ++j) {
            summe += static_cast<double>(cent(zufall) % 100000) / 100;
        }
        werte.push_back(summe);
        const double roh = std::bit_cast<double>(bits(zufall));
        if (std::isfinite(roh) && std::fabs(roh) < 9e18) {
            werte.push_back(roh);
        }
    }
    for (double wert : werte) {
        ASSERT_EQ(betragstext(wert), checkmoney(allgemeine_form(wert))) << std::hexfloat << wert;
        ASSERT_EQ(allgemeine_form(wert), allgemein_langsam(wert)) << std::hexfloat << wert;
    }
}

} // namespace
} // namespace saldino::journal
