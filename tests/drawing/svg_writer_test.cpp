// The SVG of a sheet: its size in millimetres, the title escaped, lines at their weights with y
// turned downwards, and a text placed in the named font.
#include "drawing/svg_writer.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(SvgWriter, MillimetreSizeEscapedTitleWeightsAndText) {
    Sheet sheet;
    sheet.widthMm = 420;
    sheet.heightMm = 297;
    sheet.title = "Колесо <1> & 2";
    sheet.items = {
        {Layer::Contour, Line{{10, 20}, {30.5, 20}}},
        {Layer::Dimension, Polyline{{{0, 0}, {3, 0.5}, {3, -0.5}}, true, true}},
        {Layer::Text, Text{{50, 40}, "A&B", 5, Anchor::BottomLeft, 90}},
    };
    const std::string svg = SvgBytes(sheet);
    EXPECT_NE(svg.find("width=\"420mm\" height=\"297mm\" viewBox=\"0 0 420 297\""),
              std::string::npos);
    EXPECT_NE(svg.find("<title>Колесо &lt;1&gt; &amp; 2</title>"), std::string::npos);
    EXPECT_NE(svg.find("font-family=\"DejaVu Sans\""), std::string::npos);
    EXPECT_NE(svg.find("<path d=\"M10 277 L30.5 277\" stroke-width=\"0.5\"/>"), std::string::npos);
    EXPECT_NE(svg.find("<path d=\"M0 297 L3 296.5 L3 297.5 Z\" fill=\"#000\" stroke=\"none\"/>"),
              std::string::npos);
    // Capitals 5 mm tall: an em of 5 * 2048 / 1493 mm, narrowed to 0,8.
    EXPECT_NE(svg.find("<text transform=\"translate(50 257) rotate(-90) scale(0.8 1)\" "
                       "font-size=\"6.8587\" fill=\"#000\" stroke=\"none\" "
                       "xml:space=\"preserve\">A&amp;B</text>"),
              std::string::npos)
        << svg;
}

}  // namespace
}  // namespace gearpair
