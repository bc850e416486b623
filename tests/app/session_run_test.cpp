// What a desktop program shows after OK, in order, for each way a run ends.
#include "app/session_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/design_run.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

using RunDesktopDesignTest = testing::TempDirTest;

// The calls of the front end, in order, with their texts.
std::vector<std::string> Shown(GearSession& session, const DesignInputs& inputs) {
    std::vector<std::string> shown;
    RunDesktopDesign(
        session, inputs,
        {[&] { shown.push_back("outputs"); }, [&] { shown.push_back("forget drawings"); },
         [&](const std::string& text) { shown.push_back("error " + text); },
         [&](const std::string& text) { shown.push_back("message " + text); },
         [&](const DesignProducts& products) {
             shown.push_back(products.buildable ? "drawings" : "drawings not buildable");
         },
         [&](const SessionRun& run) { shown.push_back("results " + run.outcome.results.d2); }});
    return shown;
}

TEST_F(RunDesktopDesignTest, EachEndOfARunShowsItsOwnWindowsAfterTheOutputs) {
    GearSession session;
    session.design.baseDir = dir_.string() + "/";
    EXPECT_EQ(Shown(session, DesignInputs{}),
              (std::vector<std::string>{"outputs", "drawings", "results 294,6"}));

    DesignInputs noData;
    noData.arrangement = 1;
    noData.psibaIndex = 6;  // 0,63
    EXPECT_EQ(Shown(session, noData),
              (std::vector<std::string>{"outputs", "forget drawings",
                                        "message " + std::string(kNoDataMessage)}));

    // The next run's directory is taken: the hand-off fails.
    std::filesystem::create_directory(dir_ / "dwg2");
    EXPECT_EQ(Shown(session, DesignInputs{}),
              (std::vector<std::string>{"outputs", "forget drawings", "error I/O error 183"}));
}

// The report of a pair that can be made is the run's as it stands; that of a pair that cannot
// ends with why, and only then.
TEST_F(RunDesktopDesignTest, ReportOfAPairThatCannotBeMadeEndsWithTheReason) {
    // The same run with its hand-off kept in memory: the report as the run writes it.
    const auto report = [](const DesignInputs& inputs) {
        GearSession plain;
        std::optional<DesignProducts> products;
        EXPECT_TRUE(RunDesign(plain, inputs, HandoffThenProducts(products, false)).completed);
        return plain.report.Lines();
    };
    GearSession session;
    session.design.baseDir = dir_.string() + "/";
    const DesignInputs defaults;
    SessionRun run = RunSessionDesign(session, defaults);
    EXPECT_EQ(run.status, JobStatus::Completed);
    EXPECT_EQ(session.report.Lines(), report(defaults));

    DesignInputs cannot;
    cannot.uzText = "5,6";
    cannot.hkolText = "652";
    cannot.powerText = "60";
    cannot.nwText = "1";
    cannot.psibaIndex = 6;  // 0,63
    run = RunSessionDesign(session, cannot);
    EXPECT_EQ(run.status, JobStatus::Unbuildable);
    std::vector<std::string> expected = report(cannot);
    expected.insert(expected.end(), {"Передачу изготовить нельзя", run.warnings.front(),
                                     std::string(kSeparatorLine)});
    EXPECT_EQ(session.report.Lines(), expected);
    EXPECT_TRUE(run.warnings.front().starts_with("Передача неосуществима: диаметр впадин"));
}

}  // namespace
}  // namespace gearpair
