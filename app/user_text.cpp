// The check of a user's text.
#include "app/user_text.h"

#include <cstdio>

#include "core/cp1251.h"

#ifdef GEARPAIR_DRAWINGS
#include "drawing/drafting_font.h"
#endif

namespace gearpair {

namespace {

std::string CodeText(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

// Characters that Unicode sets aside for a program's own use, never for interchange.
bool IsNonCharacter(char32_t code) {
    return (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE;
}

#ifdef GEARPAIR_DRAWINGS
// Null when the font cannot be read.
const TrueTypeFont* FontIfReadable() {
    try {
        return &DraftingFont();
    } catch (const Error&) {
        return nullptr;
    }
}
#endif

}  // namespace

std::optional<std::string> UserTextFault(std::string_view text) {
#ifdef GEARPAIR_DRAWINGS
    const TrueTypeFont* font = text.empty() ? nullptr : FontIfReadable();
#endif
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        char32_t code = 0;
        if (!DecodeUtf8(text, i, code)) return "недопустимая последовательность байтов";
        const std::string shown = "«" + std::string(text.substr(start, i - start)) + "»";
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) {
            return "управляющий символ " + CodeText(code);
        }
        if (IsNonCharacter(code)) return "недопустимый символ " + CodeText(code);
        // DXF writes a character as \U+ and four hexadecimal digits.
        if (code > 0xFFFF) {
            return "символ " + shown + " (" + CodeText(code) + ") нельзя записать в чертёж DXF";
        }
#ifdef GEARPAIR_DRAWINGS
        if (font && font->Glyph(code) == 0) {
            return "символ " + shown + " отсутствует в шрифте чертежа";
        }
#endif
    }
    return std::nullopt;
}

void CheckUserText(std::string_view text, const std::string& subject) {
    if (const auto fault = UserTextFault(text)) throw UserTextError(subject + ": " + *fault);
}

}  // namespace gearpair
