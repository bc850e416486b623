// Texts of sizes and angles on the sheets.
#include "drawing/drawing_texts.h"

#include <cmath>
#include <cstdint>

#include "core/format_fixed.h"

namespace gearpair {

std::string DecimalText(double value, int decimals) {
    // Rounded as the report rounds, so that a value of the table reads as in the report.
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

std::string DiameterText(double mm) {
    return "Ø" + SizeText(mm);
}

std::string ChamferText(double mm) {
    return SizeText(mm) + "×45°";
}

std::string AngleText(double degrees) {
    const auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(degrees) * 3600));
    std::string text = (degrees < 0 && seconds != 0) ? "-" : "";
    text += std::to_string(seconds / 3600) + "°";
    const std::int64_t minutes = seconds / 60 % 60;
    const std::int64_t rest = seconds % 60;
    if (minutes != 0 || rest != 0) text += std::to_string(minutes) + "′";
    if (rest != 0) text += std::to_string(rest) + "″";
    return text;
}

}  // namespace gearpair
