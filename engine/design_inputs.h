// The inputs of a design, in one place for the input form, the command line and the batch:
// the items of the fixed lists with the defaults they select, the ranges of the four typed
// fields with the messages of a rejected value, and the inputs record of a design run.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gearpair {

// Items of the lists, in list order, and the item each selects at start. Ratio, width and
// helix are fixed lists; the service life is a typed field that offers these items.
inline constexpr std::array<std::string_view, 12> kRatioTexts = {
    "2", "2,24", "2,5", "2,8", "3,15", "3,55", "4", "4,5", "5,0", "5,6", "6,3", "7,1"};
inline constexpr std::array<std::string_view, 7> kWidthTexts = {"0,315", "0,355", "0,4", "0,45",
                                                                "0,5",   "0,56",  "0,63"};
inline constexpr std::array<std::string_view, 13> kHelixTexts = {
    "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
inline constexpr std::array<std::string_view, 7> kLifeTexts = {"10000", "15000", "20000", "25000",
                                                               "30000", "35000", "40000"};
inline constexpr std::size_t kDefaultRatioItem = 3;  // "2,8"
inline constexpr std::size_t kDefaultWidthItem = 4;  // "0,5"
inline constexpr std::size_t kDefaultHelixItem = 6;  // "14"
inline constexpr std::size_t kDefaultLifeItem = 1;   // "15000"

// The arrangements of the gears relative to their bearings: 1 overhanging, 2 near a bearing,
// 3 midway.
inline constexpr std::array<std::string_view, 3> kArrangementTexts = {"1", "2", "3"};

// The form's texts, width-list index and arrangement, with the form's defaults.
struct DesignInputs {
    std::string uzText{kRatioTexts[kDefaultRatioItem]};
    std::string powerText = "6000";
    std::string nwText = "86,3";
    std::string hkolText = "250";
    std::string tText{kLifeTexts[kDefaultLifeItem]};
    int psibaIndex = static_cast<int>(kDefaultWidthItem);
    std::string bettaText{kHelixTexts[kDefaultHelixItem]};
    int arrangement = 3;
};

// The four fields that accept typed numbers.
enum class TypedField { Power, PinionSpeed, WheelHardness, ServiceLife };

inline constexpr std::string_view kNotANumberMessage = "Неправильно введено значение";

// Checks a typed text as the form does when the focus leaves the field: the decimal-comma
// number syntax, then the range with both bounds allowed. Returns the message to show, or
// nothing when the value is accepted.
std::optional<std::string_view> ValidateTypedInput(TypedField field, std::string_view text);

// The items of a list as the messages and the help name them: "2; 2,24; 2,5" (the items
// carry decimal commas, so semicolons separate them).
std::string ListText(std::span<const std::string_view> items);

// The message for a value that is not an item of its list: "Значение может быть одним из: "
// and the items.
std::string NotInListMessage(std::span<const std::string_view> items);

}  // namespace gearpair
