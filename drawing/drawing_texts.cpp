// Texts of sizes and angles on the sheets.
#include "drawing/drawing_texts.h"

#include <cmath>
#include <cstdint>

namespace gearpair {

std::string DecimalText(double value, int decimals) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const bool negative = value < 0;
    const auto scaled = static_cast<std::int64_t>(std::llround(std::fabs(value) * scale));
    std::string text = (negative && scaled != 0) ? "-" : "";
    text += std::to_string(scaled / scale);
    std::int64_t fraction = scaled % scale;
    if (fraction == 0) return text;
    int places = decimals;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --places;
    }
    std::string digits = std::to_string(fraction);
    return text + "," + std::string(static_cast<std::size_t>(places) - digits.size(), '0') + digits;
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
