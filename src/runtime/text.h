#pragma once

#include <optional>
#include <string>
#include <string_view>

// Inside the core every text is a std::string of Windows-1252 bytes: one byte
// is one character, as the file formats and report columns count. Conversion
// happens only at the edges (pages, command-line tool).
namespace saldino::runtime {

// The character of a Windows-1252 byte. The five bytes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control
// of the same number, so every byte round-trips.
char32_t cp1252_zeichen(unsigned char byte);

// The Windows-1252 byte of a character, or '?' when it has none.
char cp1252_byte(char32_t zeichen);

std::string cp1252_nach_utf8(std::string_view cp1252);

// Invalid UTF-8 sequences become '?' as well.
std::string utf8_nach_cp1252(std::string_view utf8);

// A decimal digit '0' to '9', whatever the locale.
inline bool ist_ziffer(char c) {
    return c >= '0' && c <= '9';
}

// Strictly: nothing for a text that is not valid UTF-8 or holds a character
// that Windows-1252 cannot hold.
std::optional<std::string> utf8_streng_nach_cp1252(std::string_view utf8);

// What a text is as UTF-8: not valid, plain ASCII, or valid with characters beyond ASCII.
enum class Utf8 { ungueltig, ascii, umlaute };
Utf8 pruefe_utf8(std::string_view text);

// UTF-8 for a terminal: every control character (C0, DEL and C1) becomes
// U+FFFD, so that data can neither move the cursor nor retitle the window,
// nor add a column to tab-separated output.
std::string cp1252_nach_anzeige(std::string_view cp1252);

// A name of the file system or the command line (UTF-8, as given) for a
// terminal: a control character or a byte that is no valid UTF-8 becomes U+FFFD.
std::string name_nach_anzeige(std::string_view name);

// Appends the UTF-8 form of one character.
void utf8_anhaengen(std::string& ziel, char32_t zeichen);

} // namespace saldino::runtime
