// The argument parser: defaults, option forms, modes and usage errors.
#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

CommandLine Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

std::string UsageMessage(std::vector<std::string_view> arguments) {
    try {
        Parse(arguments);
    } catch (const UsageError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(ParseCommandLine, NoArgumentsGiveTheFormsDefaults) {
    const CommandLine line = Parse({});
    EXPECT_EQ(line.mode, CliMode::Design);
    EXPECT_EQ(line.texts.ratio, "2,8");
    EXPECT_EQ(line.texts.power, "6000");
    EXPECT_EQ(line.texts.speed, "86,3");
    EXPECT_EQ(line.texts.hardness, "250");
    EXPECT_EQ(line.texts.life, "15000");
    EXPECT_EQ(line.texts.width, "0,5");
    EXPECT_EQ(line.texts.helix, "14");
    EXPECT_EQ(line.texts.arrangement, "3");
    EXPECT_FALSE(line.json);
    EXPECT_FALSE(line.handoffDir);
    EXPECT_FALSE(line.rtfFile);
}

TEST(ParseCommandLine, EveryOptionFillsItsField) {
    const CommandLine line =
        Parse({"--ratio",    "2",     "--power",       "60",    "--speed", "10000",
               "--hardness", "300",   "--life",        "40000", "--width", "0,315",
               "--helix",    "8",     "--arrangement", "1",     "--json",  "--handoff-dir",
               "/tmp/run",   "--rtf", "out.rtf"});
    EXPECT_EQ(line.texts.ratio, "2");
    EXPECT_EQ(line.texts.power, "60");
    EXPECT_EQ(line.texts.speed, "10000");
    EXPECT_EQ(line.texts.hardness, "300");
    EXPECT_EQ(line.texts.life, "40000");
    EXPECT_EQ(line.texts.width, "0,315");
    EXPECT_EQ(line.texts.helix, "8");
    EXPECT_EQ(line.texts.arrangement, "1");
    EXPECT_TRUE(line.json);
    EXPECT_EQ(line.handoffDir.value_or(""), "/tmp/run");
    EXPECT_EQ(line.rtfFile.value_or(""), "out.rtf");
}

TEST(ParseCommandLine, ValueMayFollowAnEqualsSignOrLookLikeAnOption) {
    const CommandLine line = Parse({"--power=1e3", "--speed", "-5", "--hardness", "--json"});
    EXPECT_EQ(line.texts.power, "1e3");
    EXPECT_EQ(line.texts.speed, "-5");  // left to the input check, which names the range
    EXPECT_EQ(line.texts.hardness, "--json");
    EXPECT_FALSE(line.json);
    EXPECT_EQ(Parse({"--ratio="}).texts.ratio, "");
    EXPECT_EQ(Parse({"--power", " 6000"}).texts.power, " 6000");
}

TEST(ParseCommandLine, MaterialIsTakenAsTyped) {
    EXPECT_EQ(Parse({"--material", "Сталь 40ХН ГОСТ 4543-2016"}).material,
              "Сталь 40ХН ГОСТ 4543-2016");
    EXPECT_EQ(Parse({}).material, std::nullopt);
}

TEST(ParseCommandLine, BatchReadsAFileOrStandardInput) {
    EXPECT_EQ(Parse({"--batch", "rows.csv"}).mode, CliMode::Batch);
    EXPECT_EQ(Parse({"--batch", "rows.csv"}).batchSource, "rows.csv");
    EXPECT_EQ(Parse({"--batch", "-"}).batchSource, "-");
}

TEST(ParseCommandLine, HelpAndVersionWinWhereverTheyStand) {
    EXPECT_EQ(Parse({"--help"}).mode, CliMode::Help);
    EXPECT_EQ(Parse({"--json", "--version"}).mode, CliMode::Version);
    EXPECT_EQ(Parse({"--batch", "x", "--help", "--bogus"}).mode, CliMode::Help);
    // As the value of an option it is only a text.
    EXPECT_EQ(Parse({"--rtf", "--help"}).rtfFile.value_or(""), "--help");
}

struct UsageCase {
    std::vector<std::string_view> arguments;
    const char* message;
};

#ifdef GEARPAIR_MODELS
// The R12 profile is a choice of the model files only.
TEST(ParseCommandLine, DxfR12GoesWithModels) {
    const CommandLine line = Parse({"--models", "m", "--dxf-r12"});
    EXPECT_EQ(line.modelsDir.value_or(""), "m");
    EXPECT_TRUE(line.dxfR12);
    EXPECT_EQ(UsageMessage({"--dxf-r12"}), "Параметр --dxf-r12 действует только вместе с --models");
}
#endif

#ifdef GEARPAIR_DRAWINGS
// Two designations, each named; the title-block texts only where sheets are written.
TEST(ParseCommandLine, TitleBlockTextsGoWithSheets) {
    const char* two = "Параметр --designation: укажите обозначения колеса и шестерни через запятую";
    for (const char* value : {"А,Б,В", ",", "А,", ",Б", "АБ"}) {
        EXPECT_EQ(UsageMessage({"--drawings", "d", "--designation", value}), two) << value;
    }
    EXPECT_EQ(UsageMessage({"--designation", "А,Б"}),
              "Параметр --designation действует только вместе с --drawings или --handoff-dir");
    EXPECT_EQ(UsageMessage({"--checker", "Петров"}),
              "Параметр --checker действует только вместе с --drawings или --handoff-dir");
    EXPECT_EQ(Parse({"--handoff-dir", "h", "--developer", "Иванов"}).developer, "Иванов");
}
#endif

class UsageErrors : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrors, AreRejectedWithTheirMessage) {
    EXPECT_EQ(UsageMessage(GetParam().arguments), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrors,
    ::testing::Values(
        UsageCase{{"--bogus"}, "Неизвестный параметр «--bogus»"},
        UsageCase{{"--bogus=1"}, "Неизвестный параметр «--bogus»"},
        UsageCase{{"-p"}, "Неизвестный параметр «-p»"},
        UsageCase{{"6000"}, "Лишний аргумент «6000»"}, UsageCase{{"-"}, "Лишний аргумент «-»"},
        UsageCase{{"--power"}, "Не указано значение параметра --power"},
        UsageCase{{"--json", "--rtf"}, "Не указано значение параметра --rtf"},
        UsageCase{{"--power", "1", "--power=2"}, "Параметр --power указан дважды"},
        UsageCase{{"--json", "--json"}, "Параметр --json указан дважды"},
        UsageCase{{"--json=yes"}, "Параметр --json не принимает значения"},
        UsageCase{{"--batch", ""}, "Не указано значение параметра --batch"},
        UsageCase{{"--handoff-dir="}, "Не указано значение параметра --handoff-dir"},
        UsageCase{{"--rtf", ""}, "Не указано значение параметра --rtf"},
        UsageCase{{"--material="}, "Не указано значение параметра --material"},
        UsageCase{{"--material", "Сталь 45\nГОСТ"},
                  "Параметр --material: управляющий символ U+000A"},
        UsageCase{{"--rtf=-", "--json"},
                  "Параметр --rtf - не сочетается с --json: стандартный вывод занимает "
                  "документ RTF"},
        UsageCase{{"--batch", "x", "--json"},
                  "Параметр --batch не сочетается с другими параметрами: входные значения "
                  "берутся из файла, результаты выводятся таблицей"},
        UsageCase{{"--ratio", "2", "--batch", "x"},
                  "Параметр --batch не сочетается с другими параметрами: входные значения "
                  "берутся из файла, результаты выводятся таблицей"}));

}  // namespace
}  // namespace gearpair
