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

}  // namespace
}  // namespace gearpair
