// The report line list and the decimal separator it shares with number conversion.
#include "core/report.h"

#include <cstring>

#include "core/format_fixed.h"
#include "core/numbers.h"

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
    if (lines_.capacity() == 0) lines_.reserve(kUsualLineCount);
    // The line is put together on the stack and copied once into its string.
    constexpr std::size_t kLongestLabel = 160;
    if (label.size() <= kLongestLabel) {
        char text[kLongestLabel + 2 + kFixedTextRoom];
        std::memcpy(text, label.data(), label.size());
        char* number = text + label.size();
        *number++ = ' ';
        *number++ = ' ';
        const char* end = WriteFixed(number, value, 8, 3, decimalSeparator_);
        lines_.emplace_back(text, static_cast<std::size_t>(end - text));
        return;
    }
    std::string line;
    line.reserve(label.size() + 2 + kFixedTextRoom);
    line.append(label);
    line.append("  ");
    AppendFixed(line, value, 8, 3, decimalSeparator_);
    lines_.push_back(std::move(line));
}

double Report::ToNumber(std::string_view text) const {
    return TextToFloat(text, decimalSeparator_);
}

std::string Report::Format(double value, int precision, int digits) const {
    return FormatFixed(value, precision, digits, decimalSeparator_);
}

}  // namespace gearpair
