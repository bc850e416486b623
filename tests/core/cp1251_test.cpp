// Code page 1251 conversion.
#include "core/cp1251.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(Cp1251, EncodesCyrillicAndAscii) {
    EXPECT_EQ(Utf8ToCp1251("c:/gears/"), "c:/gears/");
    EXPECT_EQ(Utf8ToCp1251("Ёё Аяж№"), "\xA8\xB8 \xC0\xFF\xE6\xB9");
}

TEST(Cp1251, RejectsWhatItCannotRepresent) {
    EXPECT_EQ(Utf8ToCp1251("日本"), std::nullopt);
    EXPECT_EQ(Utf8ToCp1251("\xFF"), std::nullopt);      // not UTF-8
    EXPECT_EQ(Utf8ToCp1251("\xD0"), std::nullopt);      // cut sequence
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), std::nullopt);  // overlong slash
    EXPECT_EQ(Utf8ToCp1251("\xEF\xBF\xBD"), std::nullopt);
}

TEST(Cp1251, RoundTripsEveryAssignedByte) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) continue;
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << b;
    }
}

}  // namespace
}  // namespace gearpair
