// The report line list: plain lines, value lines, clearing and the decimal separator.
#include "core/report.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

TEST(Report, AppendsValueLinesWithTwoBlanksAndThreeDecimals) {
    Report report;
    report.Add("Введённые значения");
    report.ReportLine("uz", 2.8);
    report.ReportLine("tw ", 663.9140152);
    report.ReportLine("Khalpha selected  ", 1.0499999523162842);
    report.ReportLine("t", 15000);
    report.ReportLine("Nhew", 2.4e9);
    report.ReportLine("d", -0.0004);
    report.Add(kSeparatorLine);
    EXPECT_EQ(report.Lines(),
              (Lines{"Введённые значения", "uz  2,800", "tw   663,914", "Khalpha selected    1,050",
                     "t  15000,000", "Nhew  2,4E9", "d  0,000",
                     "----------------------------------------------"}));
}

// Short labels are joined with their value on the stack, long ones in the line itself: the
// line is the same either way, however long the label and the value text are.
TEST(Report, JoinsLabelsOfAnyLengthWithTheirValue) {
    Report report;
    for (const std::size_t length : {0, 1, 159, 160, 161, 400}) {
        const std::string label(length, 'x');
        report.ReportLine(label, -12345678.9);
        report.ReportLine(label, 1e300);
        EXPECT_EQ(report.Lines()[report.Lines().size() - 2], label + "  -12345679,000");
        EXPECT_EQ(report.Lines().back(), label + "  1E300");
    }
}

TEST(Report, SeparatorLineIsFortySixHyphens) {
    EXPECT_EQ(kSeparatorLine, std::string(46, '-'));
}

TEST(Report, WritesWithTheSeparatorInForce) {
    Report report;
    report.SetDecimalSeparator('.');
    report.ReportLine("aw", 200);
    EXPECT_EQ(report.Format(105.4258, 4, 1), "105.4");
    EXPECT_EQ(report.ToNumber("86.3"), 86.3);
    EXPECT_THROW(report.ToNumber("86,3"), ConversionError);
    report.SetDecimalSeparator(',');
    report.ReportLine("aw", 200);
    EXPECT_EQ(report.Lines(), (Lines{"aw  200.000", "aw  200,000"}));
}

TEST(Report, ClearRemovesEveryLine) {
    Report report;
    report.Add("Геометрия");
    report.ReportLine("zs", 129);
    report.Clear();
    EXPECT_TRUE(report.Lines().empty());
    EXPECT_EQ(report.DecimalSeparator(), ',');
}

}  // namespace
}  // namespace gearpair
