// The PDF of a sheet read back as a reader reads it: the cross-reference table, the page of the
// format, the frame's weight, the embedded font and the title; the same bytes every time.
#include "drawing/pdf_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "drawing/drafting_font.h"

namespace gearpair {
namespace {

Sheet FramedSheet() {
    Sheet sheet;
    sheet.format = "A4";
    sheet.widthMm = 210;
    sheet.heightMm = 297;
    sheet.title = "Вал & <шестерня>";
    sheet.items = {
        {Layer::Frame, Polyline{{{20, 5}, {205, 5}, {205, 292}, {20, 292}}, true, false}},
        {Layer::Thin, Line{{30, 40}, {60, 40}}},
        {Layer::Text, Text{{100, 100}, "Ø22 ±0,1 14°38′51″", 3.5}},
    };
    return sheet;
}

TEST(PdfWriter, CrossReferenceAndStreamLengthsAreExactAndTheBytesRepeat) {
    const std::string pdf = PdfBytes(FramedSheet());
    EXPECT_EQ(pdf, PdfBytes(FramedSheet()));
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    const std::regex entry("(\\d{10}) 00000 n \n");
    int object = 0;
    for (auto it = std::sregex_iterator(pdf.begin() + long(xref), pdf.end(), entry);
         it != std::sregex_iterator(); ++it) {
        const std::string head = std::to_string(++object) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(std::stoul((*it)[1]), head.size(), head), 0) << head;
    }
    EXPECT_EQ(object, 10);
    const std::regex stream("/Length (\\d+) >>\nstream\n");
    int streams = 0;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), stream);
         it != std::sregex_iterator(); ++it, ++streams) {
        const std::size_t end = std::size_t(it->position() + it->length()) + std::stoul((*it)[1]);
        EXPECT_EQ(pdf.compare(end, 11, "\nendstream\n"), 0);
    }
    EXPECT_EQ(streams, 3);  // the page, the font, its character map
}

TEST(PdfWriter, PageOfTheFormatFrameAtItsWeightFontEmbeddedAndTitle) {
    const std::string pdf = PdfBytes(FramedSheet());
    EXPECT_NE(pdf.find("/MediaBox [0 0 595.2756 841.8898]"), std::string::npos);
    // Millimetres of paper; the frame half a millimetre, the thin line a quarter.
    EXPECT_NE(pdf.find("2.8346 0 0 2.8346 0 0 cm\n"), std::string::npos);
    EXPECT_NE(pdf.find("0.5 w\n20 5 m\n205 5 l\n205 292 l\n20 292 l\nh\nS\n0.25 w\n30 40 m\n"),
              std::string::npos);
    // The text: glyph numbers, each mapped back to its character.
    const TrueTypeFont& font = DraftingFont();
    char zeroGlyph[8];
    std::snprintf(zeroGlyph, sizeof zeroGlyph, "<%04X>", font.Glyph(U'Ø'));
    EXPECT_NE(pdf.find(std::string(zeroGlyph) + " <00D8>\n"), std::string::npos);
    EXPECT_NE(pdf.find(std::string("> Tj ET")), std::string::npos);
    // The subset read back as a font.
    const std::smatch font2 = [&] {
        std::smatch m;
        std::regex_search(pdf, m, std::regex("<< /Length1 (\\d+) /Length (\\d+) >>\nstream\n"));
        return m;
    }();
    ASSERT_FALSE(font2.empty());
    EXPECT_EQ(font2[1], font2[2]);
    const TrueTypeFont subset(
        pdf.substr(std::size_t(font2.position() + font2.length()), std::stoul(font2[2])), "subset");
    EXPECT_EQ(subset.Advance(font.Glyph(U'″')), 765);
    EXPECT_NE(pdf.find("/FontFile2 8 0 R"), std::string::npos);
    // UTF-16 with its byte order mark: "Вал & <шестерня>".
    EXPECT_NE(pdf.find("/Title <FEFF04120430043B00200026002000"
                       "3C044804350441044204350440043D044F003E>"),
              std::string::npos);
}

}  // namespace
}  // namespace gearpair
