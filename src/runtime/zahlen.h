#pragma once

#include <cstdint>
#include <string_view>

// Numbers are read with std::from_chars only: the desktop's locale, which the
// GUI toolkit installs process-wide, must never change how a number reads.
namespace saldino::runtime {

// A decimal integer with an optional sign, nothing before or after it, within
// 32 bits; otherwise "'<text>' ist kein gültiger Integerwert".
std::int32_t lies_integer(std::string_view text);

} // namespace saldino::runtime
