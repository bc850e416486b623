// Checking the eight input texts: the form's lists and ranges, the form's messages, the inputs
// handed to the design run.
#include "cli/input_check.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(CheckDesignTexts, MapsListTextsToTheirPlaceAndKeepsTypedTextsAsTyped) {
    DesignTexts texts = DefaultDesignTexts();
    texts.ratio = "7,1";
    texts.power = " 1e3";
    texts.width = "0,63";
    texts.helix = "20";
    texts.arrangement = "1";
    const DesignInputs inputs = CheckDesignTexts(texts);
    EXPECT_EQ(inputs.uzText, "7,1");
    EXPECT_EQ(inputs.powerText, " 1e3");
    EXPECT_EQ(inputs.psibaIndex, 6);
    EXPECT_EQ(inputs.bettaText, "20");
    EXPECT_EQ(inputs.arrangement, 1);
    texts.width = "0,315";
    texts.arrangement = "2";
    EXPECT_EQ(CheckDesignTexts(texts).psibaIndex, 0);
    EXPECT_EQ(CheckDesignTexts(texts).arrangement, 2);
}

struct RejectionCase {
    std::string DesignTexts::*field;
    const char* text;
    const char* message;  // what() of the InputError
};

class RejectedInputs : public ::testing::TestWithParam<RejectionCase> {};

TEST_P(RejectedInputs, NameTheOptionAndGiveTheMessage) {
    DesignTexts texts = DefaultDesignTexts();
    texts.*(GetParam().field) = GetParam().text;
    try {
        CheckDesignTexts(texts);
        FAIL() << "accepted '" << GetParam().text << "'";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
        EXPECT_EQ("--" + e.Field() + ": " + e.Message(), GetParam().message);
    }
}

constexpr const char* kRatioList =
    "--ratio: Значение может быть одним из: 2; 2,24; 2,5; 2,8; 3,15; 3,55; 4; 4,5; 5,0; 5,6; "
    "6,3; 7,1";
constexpr const char* kWidthList =
    "--width: Значение может быть одним из: 0,315; 0,355; 0,4; 0,45; 0,5; 0,56; 0,63";
constexpr const char* kHelixList =
    "--helix: Значение может быть одним из: 8; 9; 10; 11; 12; 13; 14; 15; 16; 17; 18; 19; 20";

INSTANTIATE_TEST_SUITE_P(
    Fields, RejectedInputs,
    ::testing::Values(
        // The lists accept their texts exactly: no other spelling of the same number.
        RejectionCase{&DesignTexts::ratio, "2,80", kRatioList},
        RejectionCase{&DesignTexts::ratio, "2.8", kRatioList},
        RejectionCase{&DesignTexts::ratio, " 2,8", kRatioList},
        RejectionCase{&DesignTexts::ratio, "5", kRatioList},
        RejectionCase{&DesignTexts::width, "0.5", kWidthList},
        RejectionCase{&DesignTexts::width, "", kWidthList},
        RejectionCase{&DesignTexts::helix, "14,0", kHelixList},
        RejectionCase{&DesignTexts::helix, "7", kHelixList},
        RejectionCase{&DesignTexts::arrangement, "4",
                      "--arrangement: Значение может быть одним из: 1; 2; 3"},
        RejectionCase{&DesignTexts::arrangement, "03",
                      "--arrangement: Значение может быть одним из: 1; 2; 3"},
        // The typed fields: the form's syntax, then its range.
        RejectionCase{&DesignTexts::power, "55000,5",
                      "--power: Значение может быть от 60 до 55000"},
        RejectionCase{&DesignTexts::power, "", "--power: Неправильно введено значение"},
        RejectionCase{&DesignTexts::speed, "86.3", "--speed: Неправильно введено значение"},
        RejectionCase{&DesignTexts::speed, "0", "--speed: Значение может быть от 1 до 10000"},
        RejectionCase{&DesignTexts::hardness, "206,9",
                      "--hardness: Значение может быть от 207 до 652"},
        RejectionCase{&DesignTexts::life, "abc", "--life: Неправильно введено значение"},
        RejectionCase{&DesignTexts::life, "40001",
                      "--life: Значение может быть от 10000 до 40000"}));

TEST(CheckDesignTexts, ReportsTheFirstRejectedFieldInColumnOrder) {
    DesignTexts texts = DefaultDesignTexts();
    texts.arrangement = "9";
    texts.life = "1";
    texts.speed = "x";
    try {
        CheckDesignTexts(texts);
        FAIL();
    } catch (const InputError& e) {
        EXPECT_EQ(e.Field(), "speed");
    }
}

}  // namespace
}  // namespace gearpair
