// The one check of a user's text: each kind of refusal with its exact message, and texts of a
// title block that pass.
#include "app/user_text.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

std::string FaultOf(std::string_view text) {
    return UserTextFault(text).value_or("(accepted)");
}

TEST(UserText, EachKindOfRefusalNamesTheCharacter) {
    // A byte that starts no sequence, a cut sequence, an encoded surrogate.
    EXPECT_EQ(FaultOf("Ст\xff"
                      "аль"),
              "недопустимая последовательность байтов");
    EXPECT_EQ(FaultOf("Ст\xd0"), "недопустимая последовательность байтов");
    EXPECT_EQ(FaultOf("\xed\xa0\x80"), "недопустимая последовательность байтов");
    // C0, DEL and C1.
    EXPECT_EQ(FaultOf("ГП\x01"), "управляющий символ U+0001");
    EXPECT_EQ(FaultOf("a\tb"), "управляющий символ U+0009");
    EXPECT_EQ(FaultOf("\x7f"), "управляющий символ U+007F");
    EXPECT_EQ(FaultOf("\xc2\x85"), "управляющий символ U+0085");
    // Non-characters: the block U+FDD0 to U+FDEF and the last two of every plane.
    EXPECT_EQ(FaultOf("\xef\xb7\x90"), "недопустимый символ U+FDD0");
    EXPECT_EQ(FaultOf("\xef\xb7\xaf"), "недопустимый символ U+FDEF");
    EXPECT_EQ(FaultOf("\xef\xbf\xbe"), "недопустимый символ U+FFFE");
    EXPECT_EQ(FaultOf("\xef\xbf\xbf"), "недопустимый символ U+FFFF");
    EXPECT_EQ(FaultOf("\xf0\x9f\xbf\xbe"), "недопустимый символ U+1FFFE");
    EXPECT_EQ(FaultOf("\xf4\x8f\xbf\xbf"), "недопустимый символ U+10FFFF");
    // Beyond the basic plane: a DXF text has four hexadecimal digits for a character.
    EXPECT_EQ(FaultOf("\xf0\x9d\x84\x9e"),
              "символ «\xf0\x9d\x84\x9e» (U+1D11E) нельзя записать в чертёж DXF");
#ifdef GEARPAIR_DRAWINGS
    EXPECT_EQ(FaultOf("Сталь 中文"), "символ «中» отсутствует в шрифте чертежа");
#endif
    // The first fault found is the one named.
    EXPECT_EQ(FaultOf("\x01\xff"), "управляющий символ U+0001");
}

TEST(UserText, TitleBlockTextsPass) {
    EXPECT_EQ(FaultOf(""), "(accepted)");
    EXPECT_EQ(FaultOf("Сталь 40ХН ГОСТ 4543-2016"), "(accepted)");
    EXPECT_EQ(FaultOf("ГП.01.001 Ø77,46 ±0,1 3×45° «ООО Редуктор» №5"), "(accepted)");
}

TEST(UserText, TheErrorNamesItsSubject) {
    try {
        CheckUserText("a\x01", "Параметр --checker");
        ADD_FAILURE() << "accepted";
    } catch (const UserTextError& error) {
        EXPECT_STREQ(error.what(), "Параметр --checker: управляющий символ U+0001");
    }
    EXPECT_NO_THROW(CheckUserText("Иванов", "Параметр --checker"));
}

}  // namespace
}  // namespace gearpair
