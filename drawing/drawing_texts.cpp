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
    text += std::to_string(seconds / 3600) + "°";
    const std::int64_t minutes = seconds / 60 % 60;
    const std::int64_t rest = seconds % 60;
    if (minutes != 0 || rest != 0) text += std::to_string(minutes) + "′";
    if (rest != 0) text += std::to_string(rest) + "″";
    return text;
}

}  // namespace gearpair
