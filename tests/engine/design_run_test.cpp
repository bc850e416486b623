// The design run end to end: the default design's whole report, the recalculation loop, the
// gate of the load-concentration table, the stops and the errors.
#include "engine/design_run.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/errors.h"
#include "core/format_fixed.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

const std::string kBanner = std::string(28, ' ') + "--====ПЕРЕРАСЧЁТ====--";

Lines ReadGolden(const std::string& name) {
    std::ifstream file(std::string(GEARPAIR_TEST_SOURCE_DIR) + "/" + name);
    Lines lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Texts(const ResultTexts& r) {
    return {r.aw, r.mn, r.z1, r.z2, r.d1, r.d2};
}

// A figure as its report line shows it.
std::string Shown(double value) {
    return FormatFixed(value, 8, 3, ',');
}

TEST(RunDesign, DefaultDesignReportAndResults) {
    GearSession session;
    int handoffs = 0;
    const RunOutcome outcome = RunDesign(session, DesignInputs{}, [&](GearSession& s) {
        EXPECT_EQ(&s, &session);
        ++handoffs;
    });
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.message, "");
    EXPECT_EQ(outcome.recalculations, 0);
    EXPECT_EQ(handoffs, 1);
    EXPECT_EQ(Texts(outcome.results), (Lines{"200", "3,00", "34", "95", "105,4", "294,6"}));
    EXPECT_EQ(session.design.Khbeta, 1.03);
    const Lines golden = ReadGolden("default_report.golden");
    ASSERT_EQ(golden.size(), 79u);
    EXPECT_EQ(session.report.Lines(), golden);

    // One pass, its figures the very values of its report lines.
    ASSERT_EQ(session.steps.size(), 1u);
    const CheckStep& step = session.steps[0];
    EXPECT_EQ(step.aw, 200);
    EXPECT_EQ(step.mn, 3);
    EXPECT_EQ(step.z1, 34);
    EXPECT_EQ(step.z2, 95);
    ASSERT_TRUE(step.contact && step.bending);
    EXPECT_EQ(golden[60], "Допускаемые контактные напряжения  " + Shown(step.contact->allowable));
    EXPECT_EQ(golden[61],
              "Проверка на контактную выносливость сошлась, Gh  " + Shown(step.contact->stress));
    EXPECT_EQ(golden[61], "Проверка на контактную выносливость сошлась, Gh  478,508");
    EXPECT_TRUE(step.contact->passed);
    EXPECT_FALSE(step.bending->pinion);
    EXPECT_EQ(golden[76], "Допускаемые изгибные напряжения  " + Shown(step.bending->allowable));
    EXPECT_EQ(golden[77],
              "Проверка на изгибную выносливость сошлась, Gf  " + Shown(step.bending->stress));
    EXPECT_TRUE(step.bending->passed);
}

TEST(RunDesign, RepeatedRunOnTheSameSessionGivesTheSameReport) {
    GearSession session;
    RunDesign(session, DesignInputs{});
    const Lines first = session.report.Lines();
    RunDesign(session, DesignInputs{});
    EXPECT_EQ(session.report.Lines(), first);
    EXPECT_EQ(session.design.betta, 14 * 0.017453292);
}

TEST(RunDesign, FailedBendingCheckStepsToTheNextCentreDistance) {
    DesignInputs inputs;
    inputs.uzText = "2";
    inputs.psibaIndex = 0;  // 0,315
    inputs.hkolText = "300";
    GearSession session;
    const RunOutcome outcome = RunDesign(session, inputs);
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.recalculations, 1);
    EXPECT_EQ(session.design.Khbeta, 1.02);
    EXPECT_EQ(Texts(outcome.results), (Lines{"200", "3,00", "43", "86", "133,3", "266,7"}));

    const Lines& lines = session.report.Lines();
    const auto banner = std::find(lines.begin(), lines.end(), kBanner + "  1,000");
    ASSERT_NE(banner, lines.end());
    EXPECT_EQ(*(banner - 2), "Проверка на изгибную выносливость не сошлась, Gf  337,635");
    EXPECT_EQ(*(banner + 1), "Выбрано межосевое расстояние  200,000");
    EXPECT_EQ(*(banner + 2), "Выбран модуль  3,000");
    EXPECT_EQ(*(banner + 3), "Геометрия");
    EXPECT_EQ(*(banner + 4), "zs  129,000");
    EXPECT_EQ(lines.back(), "----------------------------------------------");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Геометрия"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Ориентировочно aw  169,857"), 1);

    ASSERT_EQ(session.steps.size(), 2u);
    const CheckStep& first = session.steps[0];
    EXPECT_EQ(first.aw, 180);
    EXPECT_EQ(first.mn, 2.5);
    ASSERT_TRUE(first.contact && first.bending);
    EXPECT_TRUE(first.contact->passed);
    EXPECT_FALSE(first.bending->passed);
    EXPECT_EQ(Shown(first.bending->stress), "337,635");
    EXPECT_EQ(session.steps[1].aw, 200);
    EXPECT_TRUE(session.steps[1].bending && session.steps[1].bending->passed);
}

TEST(RunDesign, SmallDriveStartsAtTheFirstSeriesValue) {
    DesignInputs inputs;
    inputs.powerText = "60";
    inputs.nwText = "10000";
    GearSession session;
    const RunOutcome outcome = RunDesign(session, inputs);
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(Texts(outcome.results), (Lines{"40", "0,60", "34", "95", "21,1", "58,9"}));
    EXPECT_EQ(session.report.Lines()[38], "Ориентировочно aw  14,122");
    EXPECT_EQ(session.report.Lines()[39], "Выбрано межосевое расстояние  40,000");
}

TEST(RunDesign, LoadConcentrationTableWithoutValueStopsBeforeTheCalculation) {
    GearSession session;
    RunDesign(session, DesignInputs{});
    const std::size_t reportBefore = session.report.Lines().size();

    DesignInputs inputs;
    inputs.arrangement = 1;
    inputs.psibaIndex = 6;  // 0,63
    bool handedOff = false;
    const auto handoff = [&](GearSession&) { handedOff = true; };
    RunOutcome outcome = RunDesign(session, inputs, handoff);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.message, kNoDataMessage);
    EXPECT_EQ(session.report.Lines().size(), reportBefore + 13);
    EXPECT_EQ(session.design.Khbeta, 1.03);  // kept from the earlier run
    EXPECT_TRUE(session.steps.empty());      // nothing tried in this run
    outcome = RunDesign(session, inputs, handoff);
    EXPECT_EQ(session.report.Lines().size(), reportBefore + 26);
    EXPECT_FALSE(handedOff);
}

TEST(RunDesign, NoDataMessageIsThreeLinesOfTwoHundredThreeCharacters) {
    const std::string message(kNoDataMessage);
    std::size_t characters = 0;
    for (const char c : message) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    EXPECT_EQ(characters, 203u);
    EXPECT_EQ(message.find('\n'), std::string::npos);
    const std::size_t first = message.find('\r');
    const std::size_t second = message.find('\r', first + 1);
    EXPECT_EQ(message.substr(0, first),
              std::string(22, ' ') + "Для таких значений в таблице отсутствуют данные.");
    EXPECT_EQ(message.substr(first + 1, second - first - 1),
              "Уменьшите коэффициент ширины, уменьшите передаточное отношение или");
    EXPECT_EQ(message.substr(second + 1),
              std::string(31, ' ') + "выберите другое расположение колёс");
}

TEST(RunDesign, EachArrangementReadsItsColumnGroup) {
    for (const auto& [arrangement, factor] : {std::pair{2, 1.07}, std::pair{3, 1.03}}) {
        DesignInputs inputs;
        inputs.arrangement = arrangement;
        GearSession session;
        EXPECT_TRUE(RunDesign(session, inputs).completed);
        EXPECT_EQ(session.design.Khbeta, factor);
    }
    DesignInputs overhanging;
    overhanging.arrangement = 1;  // psibd 0.95 has no value for an overhanging gear
    GearSession session;
    EXPECT_FALSE(RunDesign(session, overhanging).completed);
}

TEST(RunDesign, EquivalentToothNumberBelowTheTableStops) {
    DesignInputs inputs;
    inputs.uzText = "7,1";
    inputs.hkolText = "207";
    inputs.psibaIndex = 0;
    inputs.bettaText = "8";
    GearSession session;
    bool handedOff = false;
    const RunOutcome outcome = RunDesign(session, inputs, [&](GearSession&) { handedOff = true; });
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.message, kToothNumberMessage);
    EXPECT_FALSE(handedOff);
    EXPECT_EQ(session.report.Lines().back(), "zekol  119,000");
    EXPECT_EQ(session.report.Lines()[session.report.Lines().size() - 2], "zew  16,000");
    // The pass that stopped keeps its contact check.
    ASSERT_EQ(session.steps.size(), 1u);
    EXPECT_TRUE(session.steps[0].contact);
    EXPECT_FALSE(session.steps[0].bending);
}

TEST(ProjectCalculation, RecalculationPastTheLastSeriesValueStops) {
    GearSession session;
    RunDesign(session, DesignInputs{});
    TGearDesign& d = session.design;
    d.tkol = 3.38e6;  // an estimate of about 2300 mm takes 2500, the last series value
    d.Gfpw = 1e-3;    // and no gear passes the bending check
    d.Gfpkol = 1e-3;
    session.report.Clear();
    try {
        ProjectCalculation(session);
        FAIL();
    } catch (const DesignStop& stop) {
        EXPECT_EQ(stop.what(), std::string(kSeriesExhaustedMessage));
    }
    const Lines& lines = session.report.Lines();
    EXPECT_EQ(lines[2], "Выбрано межосевое расстояние  2500,000");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.starts_with(kBanner); }),
              0);
    EXPECT_TRUE(
        lines[lines.size() - 2].starts_with("Проверка на изгибную выносливость не сошлась"));
}

TEST(RunDesign, ErrorsPropagateAndKeepTheReport) {
    GearSession session;
    DesignInputs inputs;
    inputs.nwText = "86.3";
    try {
        RunDesign(session, inputs);
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'86.3' is not a valid floating point value");
    }
    EXPECT_TRUE(session.report.Lines().empty());

    inputs.nwText = "86,3";
    bool handedOff = false;
    EXPECT_THROW(RunDesign(session, inputs,
                           [&](GearSession&) {
                               handedOff = true;
                               throw FileError(5, "File access denied");
                           }),
                 FileError);
    EXPECT_TRUE(handedOff);
    EXPECT_EQ(session.report.Lines().size(), 79u);
}

}  // namespace
}  // namespace gearpair
