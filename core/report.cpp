// The report line list and the decimal separator it shares with number conversion.
#include "core/report.h"

#include "core/format_fixed.h"
#include "core/numbers.h"

namespace gearpair {

void Report::Add(std::string_view line) {
    lines_.emplace_back(line);
}

void Report::ReportLine(std::string_view label, double value) {
    std::string line(label);
    line += "  ";
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
