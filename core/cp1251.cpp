// Code page 1251 conversion for the drawing script's files and the RTF report.
#include "core/cp1251.h"

#include <array>
#include <cstdint>

namespace gearpair {

namespace {

// Unicode code points of the bytes 0x80 to 0xFF; 0x98 is unassigned (U+FFFD, never matched).
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

}  // namespace

bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    int length = 0;
    if (lead < 0x80) {
        c = lead;
        length = 1;
    } else if (lead >= 0xC2 && lead < 0xE0) {
        c = lead & 0x1F;
        length = 2;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        c = lead & 0x0F;
        length = 3;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        c = lead & 0x07;
        length = 4;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) return false;
    for (int k = 1; k < length; ++k) {
        const std::uint8_t next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) return false;
        c = (c << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(length);
    return true;
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        if (!DecodeUtf8(utf8, i, c)) return std::nullopt;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        bool found = false;
        for (std::size_t k = 0; k < kHighHalf.size(); ++k) {
            if (kHighHalf[k] == c && c != 0xFFFD) {
                out.push_back(static_cast<char>(0x80 + k));
                found = true;
                break;
            }
        }
        if (!found) return std::nullopt;
    }
    return out;
}

TextFault FirstTextFault(std::string_view text, bool basicPlaneOnly, char32_t& code) {
    for (std::size_t i = 0; i < text.size();) {
        code = 0;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            code = lead;
            ++i;
        } else if (!DecodeUtf8(text, i, code)) {
            return TextFault::InvalidUtf8;
        }
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) {
            return TextFault::Control;
        }
        if (basicPlaneOnly && code > 0xFFFF) return TextFault::BeyondBasicPlane;
    }
    return TextFault::None;
}

bool IsPlainText(std::string_view text) {
    char32_t code = 0;
    return FirstTextFault(text, false, code) == TextFault::None;
}

}  // namespace gearpair
