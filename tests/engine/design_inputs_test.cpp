// Validation of the typed fields: bounds included, the form's messages.
#include "engine/design_inputs.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

struct ValidationCase {
    TypedField field;
    const char* text;
    const char* message;  // empty when accepted
};

class TypedInput : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(TypedInput, GivesTheFormsVerdict) {
    const ValidationCase& c = GetParam();
    const auto verdict = ValidateTypedInput(c.field, c.text);
    EXPECT_EQ(verdict.value_or(""), c.message) << "text '" << c.text << "'";
}

constexpr const char* kPowerRange = "Значение может быть от 60 до 55000";

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedInput,
    ::testing::Values(
        ValidationCase{TypedField::Power, "55000", ""}, ValidationCase{TypedField::Power, "60", ""},
        ValidationCase{TypedField::Power, "1e3", ""},
        ValidationCase{TypedField::Power, " 6000", ""},
        ValidationCase{TypedField::Power, "55000,5", kPowerRange},
        ValidationCase{TypedField::Power, "59,99", kPowerRange},
        ValidationCase{TypedField::Power, "", "Неправильно введено значение"},
        ValidationCase{TypedField::Power, "6000.5", "Неправильно введено значение"},
        ValidationCase{TypedField::Power, "abc", "Неправильно введено значение"},
        ValidationCase{TypedField::PinionSpeed, "1", ""},
        ValidationCase{TypedField::PinionSpeed, "10000", ""},
        ValidationCase{TypedField::PinionSpeed, "0", "Значение может быть от 1 до 10000"},
        ValidationCase{TypedField::WheelHardness, "207", ""},
        ValidationCase{TypedField::WheelHardness, "652", ""},
        ValidationCase{TypedField::WheelHardness, "206,9", "Значение может быть от 207 до 652"},
        ValidationCase{TypedField::ServiceLife, "10000", ""},
        ValidationCase{TypedField::ServiceLife, "40001", "Значение может быть от 10000 до 40000"}));

TEST(FixedLists, HoldTheFormsItemsAndDefaults) {
    EXPECT_EQ(kRatioTexts[3], "2,8");
    EXPECT_EQ(kWidthTexts[4], "0,5");
    EXPECT_EQ(kHelixTexts[6], "14");
    EXPECT_EQ(kHelixTexts.back(), "20");
}

}  // namespace
}  // namespace gearpair
