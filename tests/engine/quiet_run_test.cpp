// The quiet run gives what the full design run gives: every ratio, width and arrangement with
// four helix angles, for a usual and a heavy drive (completions, recalculations and stops),
// and the errors.
// The input-domain sweep compares the two on its whole domain.
#include "engine/quiet_run.h"

#include <gtest/gtest.h>

#include "tests/engine/quiet_comparison.h"

namespace gearpair {
namespace {

TEST(QuietRun, EqualsTheFullRunOnTheListItemsOfAUsualAndAHeavyDrive) {
    struct Typed {
        const char* power;
        const char* speed;
        const char* hardness;
    };
    const Typed drives[] = {{"6000", "86,3", "250"}, {"55000", "1", "652"}};
    int compared = 0;
    int completed = 0;
    int recalculated = 0;
    for (const Typed& drive : drives)
        for (const std::string_view ratio : kRatioTexts)
            for (int width = 0; width < static_cast<int>(kWidthTexts.size()); ++width)
                for (const std::string_view helix : {"8", "12", "16", "20"})
                    for (int arrangement = 1; arrangement <= 3; ++arrangement) {
                        DesignInputs inputs;
                        inputs.uzText = ratio;
                        inputs.powerText = drive.power;
                        inputs.nwText = drive.speed;
                        inputs.hkolText = drive.hardness;
                        inputs.psibaIndex = width;
                        inputs.bettaText = helix;
                        inputs.arrangement = arrangement;
                        const std::vector<std::string> faults = testing::QuietRunFaults(inputs);
                        for (const std::string& fault : faults) {
                            ADD_FAILURE() << ratio << " " << width << " " << helix << " "
                                          << arrangement << " " << drive.power << ": " << fault;
                        }
                        ++compared;
                        const QuietOutcome quiet = RunQuietDesign(inputs);
                        completed += quiet.end == QuietEnd::Completed ? 1 : 0;
                        recalculated += quiet.recalculations > 0 ? 1 : 0;
                    }
    EXPECT_EQ(compared, 2 * 12 * 7 * 4 * 3);
    // The sample exercises the loop and the stops, not only first-pass completions.
    EXPECT_GT(completed, 0);
    EXPECT_LT(completed, compared);
    EXPECT_GT(recalculated, 0);
}

TEST(QuietRun, FailsWithTheFullRunsError) {
    DesignInputs text;
    text.powerText = "6000x";
    DesignInputs zeroSpeed;
    zeroSpeed.nwText = "0";
    for (const DesignInputs& inputs : {text, zeroSpeed}) {
        EXPECT_EQ(testing::QuietRunFaults(inputs), std::vector<std::string>{});
        const QuietOutcome quiet = RunQuietDesign(inputs);
        EXPECT_EQ(quiet.end, QuietEnd::Failed);
        EXPECT_EQ(FinalStep(quiet), nullptr);
    }
    EXPECT_EQ(RunQuietDesign(text).message, "'6000x' is not a valid floating point value");
}

}  // namespace
}  // namespace gearpair
