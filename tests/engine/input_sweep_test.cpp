// A sweep of the valid input domain: every item of the three fixed lists and every arrangement,
// crossed with the bounds and a few interior values of the four typed fields. Each design must
// complete or stop with one of the three stop messages, and every completed design must be a
// consistent one whose last pass passed both checks with room and whose earlier passes each
// failed one; the quiet run must give the full run's values for every design. Run with --wide
// for more interior values of the typed fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "core/format_fixed.h"
#include "core/numbers.h"
#include "engine/design_inputs.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/gear_design.h"
#include "engine/shafts.h"
#include "tests/engine/quiet_comparison.h"
#include "tests/engine/shaft_checks.h"
#include "tests/engine/standard_series.h"

namespace gearpair {
namespace {

// Values of the typed fields, as typed with the decimal comma; bounds first and last.
struct TypedDomain {
    std::vector<std::string> power;     // W, 60 to 55000
    std::vector<std::string> speed;     // rpm, 1 to 10000
    std::vector<std::string> hardness;  // HB, 207 to 652
    std::vector<std::string> life;      // h, 10000 to 40000
};

const TypedDomain kUsualDomain = {
    {"60", "6000", "55000"},
    {"1", "86,3", "10000"},
    {"207", "320", "320,5", "350", "652"},
    {"10000", "40000"},
};

const TypedDomain kWideDomain = {
    {"60", "61,5", "750", "6000", "20000", "54999,9", "55000"},
    {"1", "1,5", "86,3", "960", "1450", "3000", "10000"},
    {"207", "230", "285", "320", "320,5", "350", "451", "652"},
    {"10000", "15000", "25000", "40000"},
};

// Relative tolerance of a centre distance rebuilt from the two pitch diameters.
constexpr double kCentreDistanceTolerance = 1e-9;

constexpr std::string_view kContactPassed = "Проверка на контактную выносливость сошлась, Gh  ";
constexpr std::string_view kBendingPassed = "Проверка на изгибную выносливость сошлась, Gf  ";

std::string Describe(const DesignInputs& in) {
    std::ostringstream text;
    text << "uz " << in.uzText << ", P " << in.powerText << ", n " << in.nwText << ", HB "
         << in.hkolText << ", t " << in.tText << ", psiba " << kWidthTexts[in.psibaIndex]
         << ", betta " << in.bettaText << ", arrangement " << in.arrangement;
    return text.str();
}

// The text after "label  " on the line of the last "Геометрия" section, or empty.
std::string GeometryValue(const std::vector<std::string>& lines, std::string_view label) {
    const auto title = std::find(lines.rbegin(), lines.rend(), "Геометрия");
    if (title == lines.rend()) return "";
    const std::string prefix = std::string(label) + "  ";
    for (auto line = title.base(); line != lines.end(); ++line) {
        if (line->starts_with(prefix)) return line->substr(prefix.size());
    }
    return "";
}

// The faults of one completed design, one sentence each; empty when it is consistent.
std::vector<std::string> Inconsistencies(const GearSession& session, const ResultTexts& results) {
    std::vector<std::string> faults;
    const TGearDesign& d = session.design;
    const std::vector<std::string>& lines = session.report.Lines();

    // The passes after the last geometry section: the contact and then the bending verdict
    // of the last pass, both passed, and nothing else.
    const auto title = std::find(lines.rbegin(), lines.rend(), "Геометрия").base();
    std::vector<std::string> verdicts;
    for (auto line = title; line != lines.end(); ++line) {
        if (line->starts_with("Проверка на ")) verdicts.push_back(*line);
    }
    if (verdicts.size() != 2 || !verdicts[0].starts_with(kContactPassed) ||
        !verdicts[1].starts_with(kBendingPassed)) {
        faults.push_back("the last pass did not pass both checks");
    }

    const double awcheck = TextToFloat(GeometryValue(lines, "awcheck"), ',');
    if (std::fabs(awcheck - d.aw) > 0.0005) {
        faults.push_back("awcheck " + FormatFixed(awcheck, 8, 3, ',') + " in the report");
    }
    if (std::fabs((d.d1 + d.d2) / 2 - d.aw) > kCentreDistanceTolerance * d.aw) {
        faults.push_back("(d1 + d2) / 2 = " + FormatFixed((d.d1 + d.d2) / 2, 18, 12, ','));
    }
    const double zs = TextToFloat(GeometryValue(lines, "zs"), ',');
    if (d.z1 + d.z2 != zs) faults.push_back("z1 + z2 is not zs " + FormatFixed(zs, 8, 0, ','));
    if (d.z1 <= 0 || d.z2 <= 0) faults.push_back("a tooth count is not positive");

    const double fifths = d.bkol / 5;
    if (d.bkol <= 0 || fifths != std::trunc(fifths)) faults.push_back("bkol not a multiple of 5");
    if (d.bw != d.bkol + 10) faults.push_back("bw is not bkol + 10");

    // The run chooses a value of the series (or the fallback 400 mm, which is one too).
    const auto module =
        std::find_if(testing::kStandardSeries.begin(), testing::kStandardSeries.end(),
                     [&](const testing::SeriesEntry& entry) { return entry.aw == d.aw; });
    if (module == testing::kStandardSeries.end()) {
        faults.push_back("aw " + FormatFixed(d.aw, 18, 6, ',') + " is not a standard value");
    } else if (module->mn != d.mn) {
        faults.push_back("mn " + FormatFixed(d.mn, 8, 3, ',') + " is not the table's module");
    }

    // The dialog's texts and the last geometry section show the record's final values.
    const std::vector<std::string> shown = {results.aw, results.mn, results.z1,
                                            results.z2, results.d1, results.d2};
    const std::vector<std::string> expected = {std::to_string(static_cast<int>(d.aw)),
                                               FormatFixed(d.mn, 4, 2, ','),
                                               std::to_string(d.z1),
                                               std::to_string(d.z2),
                                               FormatFixed(d.d1, 4, 1, ','),
                                               FormatFixed(d.d2, 4, 1, ',')};
    if (shown != expected) faults.push_back("the result texts do not show the record");
    if (GeometryValue(lines, "Число зубьев на шестерне z1") != FormatFixed(d.z1, 8, 3, ',') ||
        GeometryValue(lines, "Диаметр делительной окружности колеса d2") !=
            FormatFixed(d.d2, 8, 3, ',')) {
        faults.push_back("the last geometry section does not show the record");
    }
    return faults;
}

// The faults of the step record of a completed design: one step per geometry pass, the last
// with both checks passed and room left (margins not below zero), each earlier one stopped by
// a check whose stress exceeds its allowable (a negative margin).
std::vector<std::string> StepFaults(const std::vector<CheckStep>& steps, int recalculations) {
    std::vector<std::string> faults;
    if (steps.size() != static_cast<std::size_t>(recalculations) + 1) {
        faults.push_back(std::to_string(steps.size()) + " steps for " +
                         std::to_string(recalculations) + " recalculations");
        return faults;
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const CheckStep& step = steps[i];
        const bool last = i + 1 == steps.size();
        const std::string pass = "step " + std::to_string(i + 1) + ": ";
        if (!step.contact) {
            faults.push_back(pass + "no contact check");
            continue;
        }
        const double contact = CheckMargin(step.contact->stress, step.contact->allowable);
        if (last || step.contact->passed) {
            if (!step.contact->passed || !(contact >= 0)) faults.push_back(pass + "contact margin");
            if (!step.bending) {
                faults.push_back(pass + "no bending check after a passed contact check");
                continue;
            }
            const double bending = CheckMargin(step.bending->stress, step.bending->allowable);
            if (step.bending->passed != last || (last ? !(bending >= 0) : !(bending < 0))) {
                faults.push_back(pass + "bending margin " + FormatFixed(bending, 8, 6, ','));
            }
        } else if (!(contact < 0) || step.bending) {
            faults.push_back(pass + "failed contact check");
        }
    }
    return faults;
}

// How the designs of a sweep ended.
struct SweepCounts {
    long completed = 0;
    std::map<std::string, long> stops;  // by message
    long errors = 0;
    long inconsistent = 0;
    long quietDiffering = 0;  // designs where the quiet run does not give the full run's values
    long beyondBearings = 0;  // pairs whose shafts are thicker than the largest bearing
    long total() const {
        long sum = completed + errors;
        for (const auto& [message, count] : stops) sum += count;
        return sum;
    }
};

// Every failure is reported, but only the first few in full, so that one broken formula
// does not flood the log with half a million lines.
class FaultLog {
public:
    void Add(const std::string& text) {
        if (++count_ <= 20) ADD_FAILURE() << text;
    }

private:
    long count_ = 0;
};

// The quiet run of the design against its full run, which ended as `end` with `message`.
void CompareQuietRun(const DesignInputs& inputs, const GearSession& session, QuietEnd end,
                     const std::string& message, SweepCounts& counts, FaultLog& log) {
    const std::vector<std::string> faults = testing::QuietRunFaults(inputs, session, end, message);
    if (!faults.empty()) {
        ++counts.quietDiffering;
        log.Add(Describe(inputs) + ": the quiet run differs: " + faults.front());
    }
}

void RunOne(const DesignInputs& inputs, SweepCounts& counts, FaultLog& log) {
    GearSession session;
    RunOutcome outcome;
    try {
        outcome = RunDesign(session, inputs);
    } catch (const Error& error) {
        ++counts.errors;
        log.Add(Describe(inputs) + ": error \"" + error.what() + "\"");
        CompareQuietRun(inputs, session, QuietEnd::Failed, error.what(), counts, log);
        return;
    }
    CompareQuietRun(inputs, session, outcome.completed ? QuietEnd::Completed : QuietEnd::Stopped,
                    outcome.message, counts, log);
    if (!outcome.completed) {
        const std::string_view message = outcome.message;
        if (message != kNoDataMessage && message != kSeriesExhaustedMessage &&
            message != kToothNumberMessage) {
            log.Add(Describe(inputs) + ": stopped with \"" + outcome.message + "\"");
        }
        ++counts.stops[outcome.message];
        return;
    }
    ++counts.completed;
    std::vector<std::string> faults = Inconsistencies(session, outcome.results);
    for (std::string& fault : StepFaults(session.steps, outcome.recalculations)) {
        faults.push_back(std::move(fault));
    }
    // The shafts of a pair that can be made.
    const DesignProducts products = DesignProductsOf(session.design);
    if (products.buildable) {
        try {
            for (std::string& fault : testing::ShaftFaults(DesignShafts(
                     session.design, products, static_cast<std::uint8_t>(inputs.arrangement)))) {
                faults.push_back("shafts: " + std::move(fault));
            }
        } catch (const ShaftBeyondBearings&) {
            ++counts.beyondBearings;
        }
    }
    if (!faults.empty()) {
        ++counts.inconsistent;
        std::string text = Describe(inputs) + ":";
        for (const std::string& fault : faults) text += "\n  " + fault;
        log.Add(text);
    }
}

std::string StopName(std::string_view message) {
    if (message == kNoDataMessage) return "no table value";
    if (message == kSeriesExhaustedMessage) return "series exhausted";
    if (message == kToothNumberMessage) return "tooth number below the table";
    return std::string(message);
}

// The sweep over one domain of the typed fields; main registers it with the domain chosen on
// the command line.
class InputDomainSweep : public ::testing::Test {
public:
    explicit InputDomainSweep(const TypedDomain& domain) : domain_(domain) {}

    void TestBody() override {
        SweepCounts counts;
        FaultLog log;
        DesignInputs inputs;
        for (const std::string_view ratio : kRatioTexts)
            for (int width = 0; width < static_cast<int>(kWidthTexts.size()); ++width)
                for (const std::string_view helix : kHelixTexts)
                    for (int arrangement = 1; arrangement <= 3; ++arrangement)
                        for (const std::string& power : domain_.power)
                            for (const std::string& speed : domain_.speed)
                                for (const std::string& hardness : domain_.hardness)
                                    for (const std::string& life : domain_.life) {
                                        inputs.uzText = ratio;
                                        inputs.psibaIndex = width;
                                        inputs.bettaText = helix;
                                        inputs.arrangement = arrangement;
                                        inputs.powerText = power;
                                        inputs.nwText = speed;
                                        inputs.hkolText = hardness;
                                        inputs.tText = life;
                                        RunOne(inputs, counts, log);
                                    }

        const long expectedTotal = 12L * 7 * 13 * 3 * static_cast<long>(domain_.power.size()) *
                                   static_cast<long>(domain_.speed.size()) *
                                   static_cast<long>(domain_.hardness.size()) *
                                   static_cast<long>(domain_.life.size());
        EXPECT_EQ(counts.total(), expectedTotal);
        EXPECT_EQ(counts.errors, 0);
        EXPECT_EQ(counts.inconsistent, 0);
        EXPECT_EQ(counts.quietDiffering, 0);
        EXPECT_GT(counts.completed, 0);

        std::cout << "designs: " << counts.total() << "\ncompleted: " << counts.completed << "\n";
        for (const auto& [message, count] : counts.stops) {
            std::cout << "stopped, " << StopName(message) << ": " << count << "\n";
        }
        std::cout << "errors: " << counts.errors << "\n";
        std::cout << "shafts beyond the bearings: " << counts.beyondBearings << "\n";
    }

private:
    TypedDomain domain_;
};

// The desktop program keeps one session for its life and never resets the record: a run
// after any other run gives what a fresh session gives.
TEST(LongLivedSession, GivesWhatAFreshSessionGivesAfterAnyRun) {
    GearSession longLived;
    DesignInputs inputs;
    inputs.powerText = "55000";
    inputs.nwText = "1";
    int compared = 0;
    for (const std::string_view ratio : kRatioTexts)
        for (int width = 0; width < static_cast<int>(kWidthTexts.size()); ++width)
            for (int arrangement = 1; arrangement <= 3; ++arrangement) {
                inputs.uzText = ratio;
                inputs.psibaIndex = width;
                inputs.arrangement = arrangement;
                inputs.bettaText = kHelixTexts[static_cast<std::size_t>(compared) % 13];
                GearSession fresh;
                const RunOutcome expected = RunDesign(fresh, inputs);
                const RunOutcome got = RunDesign(longLived, inputs);
                ASSERT_EQ(got.completed, expected.completed) << Describe(inputs);
                EXPECT_EQ(got.message, expected.message) << Describe(inputs);
                EXPECT_EQ(got.recalculations, expected.recalculations) << Describe(inputs);
                EXPECT_EQ(got.results.aw, expected.results.aw) << Describe(inputs);
                EXPECT_EQ(got.results.d1, expected.results.d1) << Describe(inputs);
                if (expected.completed) {
                    EXPECT_EQ(longLived.report.Lines(), fresh.report.Lines()) << Describe(inputs);
                }
                ++compared;
            }
    EXPECT_EQ(compared, 12 * 7 * 3);
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const bool wide = argc > 1 && std::strcmp(argv[1], "--wide") == 0;
    const gearpair::TypedDomain& domain = wide ? gearpair::kWideDomain : gearpair::kUsualDomain;
    ::testing::RegisterTest(
        "InputDomainSweep", "EveryDesignCompletesOrStopsAndCompletedDesignsAreConsistent", nullptr,
        nullptr, __FILE__, __LINE__,
        [&domain]() -> ::testing::Test* { return new gearpair::InputDomainSweep(domain); });
    return RUN_ALL_TESTS();
}
