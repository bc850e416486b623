// Sizes with the decimal comma and no trailing zeros.
#include "core/decimal_text.h"

#include "core/format_fixed.h"

namespace gearpair {

std::string DecimalText(double value, int decimals) {
    // Rounded as the report rounds, so that a value on a sheet reads as in the report.
    std::string text = FormatFixed(value, 15, decimals, ',');
    if (text.find(',') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == ',') text.pop_back();
    }
    return text;
}

std::string SizeText(double mm) {
    return DecimalText(mm, 2);
}

}  // namespace gearpair
