// Code page 1251, the single-byte Cyrillic encoding of the files for the drawing script and of
// the Cyrillic escapes in the RTF report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gearpair {

// Decodes the UTF-8 sequence that starts at `i` into `c` and moves `i` past it; false, with
// `i` unchanged, for a malformed, cut, overlong or surrogate sequence or one past U+10FFFF.
// The one UTF-8 check of the program (code page 1251, RTF, JSON).
bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& c);

// What keeps a text from being shown or written as it is: a broken UTF-8 sequence, a control
// character (C0, DEL, C1), or, where only the basic plane can be written, a character beyond
// U+FFFF. The first one found, with `code` the character (or what was decoded of it).
enum class TextFault { None, InvalidUtf8, Control, BeyondBasicPlane };
TextFault FirstTextFault(std::string_view text, bool basicPlaneOnly, char32_t& code);

// True for valid UTF-8 without control characters.
bool IsPlainText(std::string_view text);

// UTF-8 to code page 1251; nullopt when the text is not valid UTF-8 or holds a character
// that the code page cannot represent.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

}  // namespace gearpair
