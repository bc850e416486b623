// Semicolon-separated fields: splitting a line as spreadsheets write it, quoting a field on
// output, and the round trip of awkward texts.
#include "core/csv.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
    const char* line;
    std::optional<Fields> fields;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, GiveTheFieldsOrNothing) {
    EXPECT_EQ(SplitCsvLine(GetParam().line), GetParam().fields) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitLines,
    ::testing::Values(SplitCase{"2,8;6000;86,3", Fields{"2,8", "6000", "86,3"}},
                      SplitCase{"", Fields{""}}, SplitCase{";", Fields{"", ""}},
                      SplitCase{"a;;b;", Fields{"a", "", "b", ""}},
                      SplitCase{" 6000 ;x", Fields{" 6000 ", "x"}},  // blanks belong to the text
                      SplitCase{R"("2,8";"a;b";"say ""hi""")", Fields{"2,8", "a;b", R"(say "hi")"}},
                      SplitCase{R"("";x)", Fields{"", "x"}},
                      SplitCase{R"(a"b;c)",
                                Fields{R"(a"b)", "c"}},  // a quote inside a plain field is text
                      SplitCase{R"("open;x)", std::nullopt}, SplitCase{R"("a"b;c)", std::nullopt},
                      SplitCase{R"("a""")", Fields{R"(a")"}}, SplitCase{R"("a"")", std::nullopt}));

TEST(CsvField, QuotesOnlyWhatWouldBreakTheLine) {
    EXPECT_EQ(CsvField("105,4"), "105,4");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a;b"), R"("a;b")");
    EXPECT_EQ(CsvField(R"(say "x")"), R"("say ""x""")");
    EXPECT_EQ(CsvField("one\rtwo"), "\"one\rtwo\"");
    EXPECT_EQ(CsvField("one\ntwo"), "\"one\ntwo\"");
}

TEST(CsvField, SplitsBackToTheSameTexts) {
    const Fields texts = {"2,8", "a;b", R"("quoted")", "", " x ", R"(";")"};
    std::string line;
    for (const std::string& text : texts) line += (line.empty() ? "" : ";") + CsvField(text);
    EXPECT_EQ(SplitCsvLine(line), texts);
}

}  // namespace
}  // namespace gearpair
