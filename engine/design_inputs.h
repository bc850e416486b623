// The inputs a user may give: the items of the three fixed lists and the ranges of the four
// typed fields, with the messages of a rejected value. Shared by the input form and the
// command-line front end.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace gearpair {

// Items of the fixed lists, in list order; the form selects kRatioTexts[3], kWidthTexts[4]
// and kHelixTexts[6] at start.
inline constexpr std::array<std::string_view, 12> kRatioTexts = {
    "2", "2,24", "2,5", "2,8", "3,15", "3,55", "4", "4,5", "5,0", "5,6", "6,3", "7,1"};
inline constexpr std::array<std::string_view, 7> kWidthTexts = {"0,315", "0,355", "0,4", "0,45",
                                                                "0,5",   "0,56",  "0,63"};
inline constexpr std::array<std::string_view, 13> kHelixTexts = {
    "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};

// The four fields that accept typed numbers.
enum class TypedField { Power, PinionSpeed, WheelHardness, ServiceLife };

inline constexpr std::string_view kNotANumberMessage = "Неправильно введено значение";

// Checks a typed text as the form does when the focus leaves the field: the decimal-comma
// number syntax, then the range with both bounds allowed. Returns the message to show, or
// nothing when the value is accepted.
std::optional<std::string_view> ValidateTypedInput(TypedField field, std::string_view text);

}  // namespace gearpair
