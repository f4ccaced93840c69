#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

// Numbers are read with std::from_chars only: the desktop's locale, which the
// GUI toolkit installs process-wide, must never change how a number reads.
namespace saldino::runtime {

// A decimal integer with an optional sign, nothing before or after it, within
// 32 bits; otherwise "'<text>' ist kein gültiger Integerwert".
std::int32_t lies_integer(std::string_view text);

// A double from text exactly as std::from_chars reads it (digits, a point, an
// exponent; no sign of '+', no blanks), whatever the locale. The WebAssembly
// build's C++ library has no floating-point from_chars; there it reads with
// the C library, whose numbers never follow a locale.
std::from_chars_result lies_gleitkomma(const char* anfang, const char* ende, double& wert);

// The text of std::to_chars(..., std::chars_format::scientific, stellen):
// "d.ddde+xx", as printf's %.*e in the C locale.
std::to_chars_result schreibe_wissenschaftlich(char* anfang, char* ende, double wert, int stellen);

} // namespace saldino::runtime
