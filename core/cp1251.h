// Code page 1251, the single-byte Cyrillic encoding of the files for the drawing script and of
// the Cyrillic escapes in the RTF report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gearpair {

// Decodes the UTF-8 sequence that starts at `i` into `c` and moves `i` past it; false, with
// `i` unchanged, for a malformed, overlong or surrogate sequence.
bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& c);

// UTF-8 to code page 1251; nullopt when the text is not valid UTF-8 or holds a character
// that the code page cannot represent.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// Code page 1251 to UTF-8 (the one unassigned byte, 0x98, becomes U+FFFD).
std::string Cp1251ToUtf8(std::string_view bytes);

}  // namespace gearpair
