#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace saldino::test {

// The name of a table row in a parameterised test: its number, then what
// the row is about with every character but ASCII letters and digits as
// '_', at most 40 of them. Readable, and the same in every run.
inline std::string zeilenname(std::string_view text, std::size_t index) {
    std::string name = std::to_string(index) + '_';
    for (const char zeichen : text.substr(0, 40)) {
        const bool gut = (zeichen >= 'a' && zeichen <= 'z') || (zeichen >= 'A' && zeichen <= 'Z') ||
                         (zeichen >= '0' && zeichen <= '9');
        name += gut ? zeichen : '_';
    }
    return name;
}

// The same for a row that prints itself (PrintTo, or a plain value), as the
// last argument of INSTANTIATE_TEST_SUITE_P.
struct Zeilenname {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return zeilenname(::testing::PrintToString(info.param), info.index);
    }
};

// The words of a command line as one text.
template <typename Wort> std::string verbunden(const std::vector<Wort>& woerter) {
    std::string text;
    for (const auto& wort : woerter) {
        text += std::string(wort) + ' ';
    }
    return text;
}

} // namespace saldino::test
