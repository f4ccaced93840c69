#pragma once

#include <string_view>

namespace saldino::cli {

// The text of --help, German and English.
extern const std::string_view hilfe;

} // namespace saldino::cli
