// The error box's full stop.
#include "core/errors.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

struct Ending {
    const char* name;
    const char* message;
    const char* shown;
};

class ErrorBoxTextTest : public testing::TestWithParam<Ending> {};

TEST_P(ErrorBoxTextTest, AppendsAFullStopAfterCharactersThatSortAboveIt) {
    EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    testing::Values(Ending{"FileName", "Cannot create file result.rtf",
                           "Cannot create file result.rtf."},
                    Ending{"Digit", "I/O error 28", "I/O error 28."},
                    Ending{"Conversion", "'abc' is not a valid floating point value",
                           "'abc' is not a valid floating point value."},
                    Ending{"Quote", "'abc'", "'abc'"}, Ending{"Cyrillic", "Ошибка", "Ошибка."},
                    Ending{"Slash", "c:/", "c:/."}, Ending{"FullStop", "Disk full.", "Disk full."},
                    Ending{"Hyphen", "a-", "a-"}, Ending{"Parenthesis", "(x)", "(x)"},
                    Ending{"Blank", "x ", "x "}, Ending{"Empty", "", ""},
                    Ending{"Exclamation", "Stop!", "Stop!"}, Ending{"Comma", "list,", "list,"}),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

}  // namespace
}  // namespace gearpair
