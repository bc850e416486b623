// One design job: the error box text, the in-memory hand-off, the hand-off directory with its
// run number, and what a job keeps after a stop or an error.
#include "app/design_job.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/temp_dir.h"

namespace gearpair {
namespace {

using RunDesignJobTest = testing::TempDirTest;

TEST_F(RunDesignJobTest, WithoutADirectoryBuildsTheHandoffInMemoryOnly) {
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    const JobResult job = RunDesignJob(DesignInputs{}, std::nullopt);
    std::filesystem::current_path(before);

    EXPECT_EQ(job.status, JobStatus::Completed);
    EXPECT_EQ(job.message, "");
    ASSERT_TRUE(job.results);
    EXPECT_EQ(job.results->d2, "294,6");
    EXPECT_EQ(job.handoff.value_or("").substr(0, 29), "((aw 200.000) (mn 3.000) (z2 ");
    EXPECT_EQ(job.report.back(), "nw  3.000");  // the report ends with the hand-off section
    EXPECT_FALSE(job.runNumber);
    EXPECT_EQ(EntryCount(), 0u);
}

TEST_F(RunDesignJobTest, HandoffErrorFailsTheJobButKeepsReportAndRunNumber) {
    std::filesystem::create_directory(dir_ / "dwg1");
    const JobResult job = RunDesignJob(DesignInputs{}, dir_.string() + "/");
    EXPECT_EQ(job.status, JobStatus::Failed);
    EXPECT_EQ(job.message, "I/O error 183.");
    EXPECT_FALSE(job.results);
    EXPECT_FALSE(job.handoff);
    EXPECT_EQ(job.runNumber, 1);  // the counter was advanced before the directory failed
    // The report stops where the hand-off began: after the bending check's section.
    ASSERT_GE(job.report.size(), 2u);
    EXPECT_EQ(job.report.end()[-2], "Проверка на изгибную выносливость сошлась, Gf  177,606");
    EXPECT_EQ(job.report.back(), kSeparatorLine);
}

TEST(RunDesignJob, StopKeepsTheReportAsItStands) {
    DesignInputs inputs;
    inputs.arrangement = 1;
    inputs.psibaIndex = 6;  // 0,63
    const JobResult job = RunDesignJob(inputs, std::nullopt);
    EXPECT_EQ(job.status, JobStatus::Stopped);
    EXPECT_EQ(job.message, kNoDataMessage);  // a message box, so no full stop is added
    EXPECT_EQ(job.report.front(), "Введённые значения");
    EXPECT_EQ(job.report.size(), 13u);  // the inputs section of the attempt
    EXPECT_FALSE(job.results);
    EXPECT_FALSE(job.handoff);
}

TEST(RunDesignJob, KeepsRecalculationsAndStepsAlsoWhenTheRunStopsAfterThem) {
    DesignInputs inputs;
    inputs.uzText = "2";
    inputs.psibaIndex = 0;
    inputs.hkolText = "300";
    EXPECT_EQ(RunDesignJob(inputs, std::nullopt).recalculations, 1);

    // The tooth-number stop after one recalculation.
    inputs = DesignInputs{};
    inputs.uzText = "7,1";
    inputs.powerText = "60";
    inputs.nwText = "1";
    inputs.hkolText = "207";
    inputs.psibaIndex = 6;
    inputs.bettaText = "8";
    const JobResult job = RunDesignJob(inputs, std::nullopt);
    EXPECT_EQ(job.status, JobStatus::Stopped);
    EXPECT_EQ(job.message, kToothNumberMessage);
    EXPECT_EQ(job.recalculations, 1);
    // Both passes are kept, the second without the bending check it stopped in.
    ASSERT_EQ(job.steps.size(), 2u);
    EXPECT_FALSE(job.steps[1].bending);
    EXPECT_FALSE(job.design);
    EXPECT_EQ(FinalStep(job), nullptr);
}

}  // namespace
}  // namespace gearpair
