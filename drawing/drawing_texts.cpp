// Texts of sizes and angles on the sheets.
#include "drawing/drawing_texts.h"

#include <cmath>
#include <cstdint>

#include "core/format_fixed.h"

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

std::string MassText(double kg) {
    if (kg >= 1) return DecimalText(kg, kg < 10 ? 2 : kg < 100 ? 1 : 0);
    // A small part's mass to three significant digits: two decimals would write a 15 g part as
    // 0,01 kg, a third of its mass off.
    std::string text = FormatFixed(kg, 3, 18, ',');
    if (text.find(',') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == ',') text.pop_back();
    }
    return text;
}

}  // namespace gearpair
