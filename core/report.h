// The calculation report: an ordered list of text lines (UTF-8), and the decimal separator
// that the report, the number conversion and the hand-off list share.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gearpair {

// The line of 46 hyphen-minus characters that closes a section.
inline constexpr std::string_view kSeparatorLine = "----------------------------------------------";

class Report {
public:
    // Appends a plain line (a section title or the separator) unchanged.
    void Add(std::string_view line);

    // Appends "label  value", the value as FormatFixed(value, 8, 3) with the current separator.
    void ReportLine(std::string_view label, double value);

    // Removes every line.
    void Clear() { lines_.clear(); }

    // A silent report keeps no lines: Add and ReportLine do nothing, so that a run computes its
    // values without the cost of their text. Number conversion and Format work as usual.
    void SetSilent(bool silent) { silent_ = silent; }
    bool Silent() const { return silent_; }

    const std::vector<std::string>& Lines() const { return lines_; }

    // Hands the lines over to the caller and leaves the report empty.
    std::vector<std::string> TakeLines() { return std::exchange(lines_, {}); }

    // The decimal separator of number conversion and formatting: the comma, except while the
    // hand-off list is written with the full stop.
    char DecimalSeparator() const { return decimalSeparator_; }
    void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // Converts an input text with the current decimal separator (throws ConversionError).
    double ToNumber(std::string_view text) const;

    // FormatFixed with the current decimal separator.
    std::string Format(double value, int precision, int digits) const;

private:
    // Room for a whole design's lines from the first line on, so that the list is not moved
    // as it grows.
    void ReserveForADesign();

    std::vector<std::string> lines_;
    char decimalSeparator_ = ',';
    bool silent_ = false;
};

}  // namespace gearpair
