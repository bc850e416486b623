// Validation of the typed input fields and the messages of the lists.
#include "engine/design_inputs.h"

#include "core/numbers.h"

namespace gearpair {

namespace {

struct FieldRange {
    double lower;
    double upper;
    std::string_view message;
};

constexpr FieldRange RangeOf(TypedField field) {
    switch (field) {
        case TypedField::Power:  // W
            return {60, 55000, "Значение может быть от 60 до 55000"};
        case TypedField::PinionSpeed:  // rpm
            return {1, 10000, "Значение может быть от 1 до 10000"};
        case TypedField::WheelHardness:  // HB
            return {207, 652, "Значение может быть от 207 до 652"};
        case TypedField::ServiceLife:  // h
            return {10000, 40000, "Значение может быть от 10000 до 40000"};
    }
    return {0, 0, kNotANumberMessage};
}

}  // namespace

std::optional<std::string_view> ValidateTypedInput(TypedField field, std::string_view text) {
    double value = 0;
    if (!TryTextToFloat(text, ',', value)) return kNotANumberMessage;
    const FieldRange range = RangeOf(field);
    if (value < range.lower || value > range.upper) return range.message;
    return std::nullopt;
}

std::string ListText(std::span<const std::string_view> items) {
    std::string text;
    for (const std::string_view item : items) {
        if (!text.empty()) text += "; ";
        text += item;
    }
    return text;
}

std::string NotInListMessage(std::span<const std::string_view> items) {
    return "Значение может быть одним из: " + ListText(items);
}

}  // namespace gearpair
