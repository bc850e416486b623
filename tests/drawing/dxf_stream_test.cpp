// The escaping of texts into DXF: what CAD would read as a code stays the character typed.
#include "drawing/dxf_stream.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(DxfEscaped, CyrillicAndSignsAreWrittenAsUnicodeEscapes) {
    EXPECT_EQ(DxfEscaped("8 отв. Ø29,44"), "8 \\U+043E\\U+0442\\U+0432. \\U+00D829,44");
    EXPECT_EQ(DxfEscaped("14°30′15″"), "14\\U+00B030\\U+203215\\U+2033");
}

// A backslash (\P, \U+), a double per-cent sign (%%d) and a caret (^J, a line break) are codes to
// CAD: each is written so that it reads as typed; a character that \U+ cannot hold and a
// malformed byte show as the replacement character, a control character never breaks a line.
TEST(DxfEscaped, CodesOfCadStayCharacters) {
    EXPECT_EQ(DxfEscaped("50%%d \\P"), "50\\U+0025\\U+0025d \\U+005CP");
    EXPECT_EQ(DxfEscaped("A^JB^"), "A^ JB^ ");
    EXPECT_EQ(DxfEscaped("a😀\xFF\n"), "a\\U+FFFD\\U+FFFD\\U+000A");
}

}  // namespace
}  // namespace gearpair
