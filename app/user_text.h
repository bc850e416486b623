// The one check of a user's text (the title-block texts, the material), applied where the text
// is read: the command line, the desktop programs' fields and their remembered settings. A text
// that passes it goes onto every sheet and into every file as it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/errors.h"

namespace gearpair {

// A user's text that was refused; the message names where it came from and the character.
class UserTextError : public Error {
public:
    using Error::Error;
};

// Why the text cannot be taken, or nothing: invalid UTF-8 ("недопустимая последовательность
// байтов"), a control character (C0, DEL, C1: "управляющий символ U+0001"), a Unicode
// non-character (U+FDD0 to U+FDEF, U+xFFFE and U+xFFFF), a character beyond U+FFFF (the DXF
// cannot write it) or one the drafting font has no glyph for ("символ «中» отсутствует в шрифте
// чертежа"). The first fault found. Where the build has no drawings, or the font cannot be read
// (the drawings then fail with the font's own message), the glyphs are not asked.
std::optional<std::string> UserTextFault(std::string_view text);

// Throws UserTextError "<subject>: <fault>" for a text UserTextFault refuses.
void CheckUserText(std::string_view text, const std::string& subject);

}  // namespace gearpair
