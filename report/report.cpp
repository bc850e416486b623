// The report line list and the decimal separator it shares with number conversion.
#include "report.h"

#include "format_fixed.h"
#include "numbers.h"

namespace gearpair {

namespace {

// A design's report with its hand-off section and a few recalculations: room for it from
// the first line on, so that the list is not moved as it grows.
constexpr std::size_t kUsualLineCount = 128;

}  // namespace

void Report::Add(std::string_view line) {
    if (lines_.capacity() == 0) lines_.reserve(kUsualLineCount);
    lines_.emplace_back(line);
}

void Report::ReportLine(std::string_view label, double value) {
    std::string line;
    line.reserve(label.size() + 24);
    line.append(label);
    line.append("  ");
    AppendFixed(line, value, 8, 3, decimalSeparator_);
    if (lines_.capacity() == 0) lines_.reserve(kUsualLineCount);
    lines_.push_back(std::move(line));
}

double Report::ToNumber(std::string_view text) const {
    return TextToFloat(text, decimalSeparator_);
}

std::string Report::Format(double value, int precision, int digits) const {
    return FormatFixed(value, precision, digits, decimalSeparator_);
}

}  // namespace gearpair
