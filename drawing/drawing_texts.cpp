// Texts of sizes and angles on the sheets.
#include "drawing/drawing_texts.h"

#include <cmath>
#include <cstdint>

namespace gearpair {

std::string DiameterText(double mm) {
    return "Ø" + SizeText(mm);
}

std::string ChamferText(double mm) {
    return SizeText(mm) + "×45°";
}

std::string AngleText(double degrees) {
    const auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(degrees) * 3600));
    std::string text = (degrees < 0 && seconds != 0) ? "-" : "";
    const auto twoDigits = [](std::int64_t value) {
        return (value < 10 ? "0" : "") + std::to_string(value);
    };
    text += std::to_string(seconds / 3600) + "°";
    text += twoDigits(seconds / 60 % 60) + "′";
    text += twoDigits(seconds % 60) + "″";
    return text;
}

}  // namespace gearpair
