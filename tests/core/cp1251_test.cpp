// Code page 1251 conversion and the UTF-8 check under it.
#include "core/cp1251.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(Cp1251, EncodesCyrillicAndAscii) {
    EXPECT_EQ(Utf8ToCp1251("c:/gears/"), "c:/gears/");
    EXPECT_EQ(Utf8ToCp1251("Ёё Аяж№"), "\xA8\xB8 \xC0\xFF\xE6\xB9");
}

// The characters of the bytes 0x80 to 0xFF in byte order, without the unassigned 0x98.
TEST(Cp1251, EncodesEveryCharacterOfTheUpperHalfToItsByte) {
    const std::string upperHalf =
        "\u0402\u0403\u201A\u0453\u201E\u2026\u2020\u2021\u20AC\u2030\u0409\u2039\u040A\u040C"
        "\u040B\u040F\u0452\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u2122\u0459\u203A\u045A"
        "\u045C\u045B\u045F\u00A0\u040E\u045E\u0408\u00A4\u0490\u00A6\u00A7\u0401\u00A9\u0404"
        "\u00AB\u00AC\u00AD\u00AE\u0407\u00B0\u00B1\u0406\u0456\u0491\u00B5\u00B6\u00B7\u0451"
        "\u2116\u0454\u00BB\u0458\u0405\u0455\u0457АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзий"
        "клмнопрстуфхцчшщъыьэюя";
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b != 0x98) bytes += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1251(upperHalf), bytes);
}

TEST(Cp1251, RejectsWhatItCannotRepresent) {
    EXPECT_EQ(Utf8ToCp1251("日本"), std::nullopt);
    EXPECT_EQ(Utf8ToCp1251("\xEF\xBF\xBD"), std::nullopt);  // U+FFFD, not the unassigned 0x98
    EXPECT_EQ(Utf8ToCp1251("\xFF"), std::nullopt);          // not UTF-8
    EXPECT_EQ(Utf8ToCp1251("\xD0"), std::nullopt);          // cut sequence
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), std::nullopt);  // surrogate
}

// Overlong forms of '/' whose lead bytes pass the lead-byte check: only the overlong test
// stops them from decoding to a plain slash.
TEST(DecodeUtf8, RejectsOverlongSequencesThatPassTheLeadByteCheck) {
    for (const std::string_view overlong : {"\xE0\x80\xAF", "\xF0\x80\x80\xAF"}) {
        std::size_t i = 0;
        char32_t c = 0;
        EXPECT_FALSE(DecodeUtf8(overlong, i, c)) << overlong.size();
        EXPECT_EQ(i, 0u);
    }
}

}  // namespace
}  // namespace gearpair
