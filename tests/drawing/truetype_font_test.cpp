// The drafting font's tables as the layout and the PDF read them: units, capital height and
// the advance widths of the characters the sheets print, and a file that is no font.
#include "drawing/truetype_font.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "drawing/drafting_font.h"

namespace gearpair {
namespace {

// DejaVu Sans (fonts-dejavu-core 2.37): head, OS/2 and hmtx as the font's own tables give them.
TEST(TrueTypeFont, DejaVuSansUnitsCapitalsAndAdvances) {
    const TrueTypeFont& font = DraftingFont();
    EXPECT_EQ(font.UnitsPerEm(), 2048);
    EXPECT_EQ(font.CapHeight(), 1493);
    EXPECT_EQ(font.TextAdvance("0"), 1303);
    EXPECT_EQ(font.TextAdvance(" "), 651);
    EXPECT_EQ(font.TextAdvance("Ж"), 2206);
    EXPECT_EQ(font.TextAdvance("Ø±°√"), 1612 + 1716 + 1024 + 1305);
    EXPECT_EQ(font.TextAdvance("14°38′51″"), 10072);
    // An undecodable byte and a character the font lacks both print the missing glyph.
    const int missing = font.Advance(0);
    EXPECT_EQ(font.Glyph(U'\U0010FFFD'), 0);
    EXPECT_EQ(font.TextAdvance("\xFF"), missing);
}

TEST(TrueTypeFont, AFileThatIsNoFontIsAnErrorNamingIt) {
    try {
        TrueTypeFont("%PDF-1.4 not a font", "x.ttf");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Файл шрифта x.ttf не читается: not TrueType");
    }
    EXPECT_THROW(TrueTypeFont(std::string("\0\1\0\0\0\3", 6), "cut.ttf"), Error);
}

}  // namespace
}  // namespace gearpair
