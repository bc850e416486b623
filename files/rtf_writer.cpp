// The report as an RTF document for "result.rtf": code page 1251 header, the report font,
// one paragraph per line, Cyrillic written as code page 1251 byte escapes.
#include "files/rtf_writer.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "core/cp1251.h"

namespace gearpair {

namespace {

// The report font is MS Sans Serif with a character height of 19 pixels. At 96 pixels per
// inch that is 19 * 72 / 96 = 14.25 points; the font size the details window holds for that
// height is 14 points, and RTF counts half-points.
constexpr std::string_view kHeader =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
    "{\\fonttbl{\\f0\\fswiss\\fcharset204 MS Sans Serif;}}\n"
    "\\viewkind4\\uc1\\pard\\plain\\f0\\fs28 ";

// \uN takes a signed 16-bit number; "?" is the one fallback character (\uc1) for readers
// without Unicode.
void AppendUnicodeEscape(std::string& out, char32_t c) {
    const auto unit = [&](char32_t u) {
        out += "\\u";
        out += std::to_string(static_cast<int>(static_cast<std::int16_t>(u)));
        out += '?';
    };
    if (c > 0xFFFF) {
        c -= 0x10000;
        unit(0xD800 + (c >> 10));
        unit(0xDC00 + (c & 0x3FF));
    } else {
        unit(c);
    }
}

void AppendByteEscape(std::string& out, std::uint8_t b) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\'%02x", b);
    out += hex;
}

void AppendParagraphText(std::string& out, std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        char32_t c = 0;
        const std::size_t start = i;
        if (!DecodeUtf8(line, i, c)) {
            AppendUnicodeEscape(out, 0xFFFD);  // a stray byte: the replacement character
            ++i;
            continue;
        }
        const std::string_view sequence = line.substr(start, i - start);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\n' || c == '\r' || c == 0x2028) {
            out += "\\line ";
        } else if (c < 0x20 || c == 0x7F) {
            // other control characters have no place in a report line
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (const auto single = Utf8ToCp1251(sequence)) {
            AppendByteEscape(out, static_cast<std::uint8_t>((*single)[0]));
        } else {
            AppendUnicodeEscape(out, c);
        }
    }
}

}  // namespace

std::string ReportToRtf(const std::vector<std::string>& lines) {
    std::string out(kHeader);
    for (const std::string& line : lines) {
        AppendParagraphText(out, line);
        // The space ends the control word, so blanks that open the next line stay text.
        out += "\\par \n";
    }
    out += "}\n";
    return out;
}

}  // namespace gearpair
