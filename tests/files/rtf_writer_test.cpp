// The RTF document of the report.
#include "files/rtf_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gearpair {
namespace {

constexpr char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
    "{\\fonttbl{\\f0\\fswiss\\fcharset204 MS Sans Serif;}}\n"
    "\\viewkind4\\uc1\\pard\\plain\\f0\\fs28 ";

TEST(ReportToRtf, WritesOneParagraphPerLineInTheReportFont) {
    EXPECT_EQ(ReportToRtf({"Введённые значения", "uz  2,800", "", "----"}),
              std::string(kHeader) +
                  "\\'c2\\'e2\\'e5\\'e4\\'b8\\'ed\\'ed\\'fb\\'e5 "
                  "\\'e7\\'ed\\'e0\\'f7\\'e5\\'ed\\'e8\\'ff\\par \n"
                  "uz  2,800\\par \n"
                  "\\par \n"
                  "----\\par \n"
                  "}\n");
}

TEST(ReportToRtf, EmptyReportIsAValidDocumentWithoutParagraphs) {
    EXPECT_EQ(ReportToRtf({}), std::string(kHeader) + "}\n");
}

struct LineCase {
    const char* name;
    std::string line;
    std::string body;
};

class ReportToRtfLine : public testing::TestWithParam<LineCase> {};

TEST_P(ReportToRtfLine, EscapesTheTextOfOneParagraph) {
    EXPECT_EQ(ReportToRtf({GetParam().line}),
              std::string(kHeader) + GetParam().body + "\\par \n}\n");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReportToRtfLine,
    testing::Values(
        // Blanks that open a line (the recalculation banner) follow the delimiting space of
        // the previous control word and stay text.
        LineCase{"LeadingBlanksKept", "   --==", "   --=="},
        LineCase{"RtfSyntaxEscaped", "a\\b{c}d", "a\\\\b\\{c\\}d"},
        LineCase{"YoAndNumeroSignFromTheCodePage", "Ёё№€", "\\'a8\\'b8\\'b9\\'88"},
        LineCase{"OutsideTheCodePageAsUnicode", "β日", "\\u946?\\u26085?"},
        LineCase{"HighCodeUnitsAsNegativeNumbers", "\xEF\xBC\xA1", "\\u-223?"},
        LineCase{"BeyondTheBasicPlaneAsSurrogatePair", "\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
        LineCase{"StrayByteAsReplacementCharacter", "x\xFFy", "x\\u-3?y"},
        LineCase{"CutSequenceAsReplacementCharacter", "x\xD0", "x\\u-3?"},
        LineCase{"TabAndLineBreak", "a\tb\nc", "a\\tab b\\line c"},
        LineCase{"OtherControlCharactersDropped",
                 std::string("a\x01\x7F"
                             "b"),
                 "ab"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gearpair
