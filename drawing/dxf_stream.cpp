// The DXF group writer into a string and the escaping of texts.
#include "drawing/dxf_stream.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "core/cp1251.h"

namespace gearpair {

void DxfStream::dxfReal(int gc, double value) const {
    // Room for any finite double in fixed notation: 309 digits, sign, point and six decimals.
    char buffer[330];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    std::string_view number(buffer, static_cast<std::size_t>(result.ptr - buffer));
    while (number.ends_with('0')) number.remove_suffix(1);
    if (number.ends_with('.')) number.remove_suffix(1);
    if (number == "-0") number = "0";
    Group(gc, number);
}

void DxfStream::dxfInt(int gc, int value) const {
    Group(gc, std::to_string(value));
}

void DxfStream::dxfHex(int gc, int value) const {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, result.ptr);
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    Group(gc, text);
}

void DxfStream::dxfString(int gc, const char* value) const {
    Group(gc, value);
}

void DxfStream::dxfString(int gc, const std::string& value) const {
    Group(gc, value);
}

// The group code right-aligned in three columns, as CAD programs write it, then the value.
void DxfStream::Group(int gc, std::string_view value) const {
    char code[16];
    std::snprintf(code, sizeof code, "%3d", gc);
    text_ += code;
    text_ += '\n';
    text_ += value;
    text_ += '\n';
}

std::string DxfEscaped(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead == '^') {
            out += "^ ";
            ++i;
            continue;
        }
        if (lead >= 0x20 && lead < 0x7F && lead != '\\' && lead != '%') {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;  // a control character: as a code, never a break in the file's lines
            ++i;
        } else if (!DecodeUtf8(utf8, i, code)) {
            code = 0xFFFD;  // a malformed byte
            ++i;
        } else if (code > 0xFFFF) {
            code = 0xFFFD;  // \U+ holds four hexadecimal digits
        }
        char buffer[12];
        std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(code));
        out += buffer;
    }
    return out;
}

}  // namespace gearpair
