// The report line list and the decimal separator it shares with number conversion.
#include "core/report.h"

#include "core/format_fixed.h"
#include "core/numbers.h"

namespace gearpair {

void Report::Add(std::string_view line) {
    if (silent_) return;
    ReserveForADesign();
    lines_.emplace_back(line);
}

void Report::ReportLine(std::string_view label, double value) {
    if (silent_) return;
    ReserveForADesign();
    // The line gets its exact length at once: a short one stays in the string's own buffer.
    const std::string number = FormatFixed(value, 8, 3, decimalSeparator_);
    std::string line;
    line.reserve(label.size() + 2 + number.size());
    line.append(label).append("  ").append(number);
    lines_.push_back(std::move(line));
}

void Report::ReserveForADesign() {
    // A design's report with its hand-off section and a few recalculations.
    constexpr std::size_t kUsualLineCount = 128;
    if (lines_.capacity() == 0) lines_.reserve(kUsualLineCount);
}

double Report::ToNumber(std::string_view text) const {
    return TextToFloat(text, decimalSeparator_);
}

std::string Report::Format(double value, int precision, int digits) const {
    return FormatFixed(value, precision, digits, decimalSeparator_);
}

}  // namespace gearpair
