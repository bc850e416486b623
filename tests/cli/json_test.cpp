// JSON encoding: string escapes, invalid bytes, numbers, and the object of a job with and
// without its optional members.
#include "cli/json.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>

#include "cli/json_writer.h"

namespace gearpair {
namespace {

struct EscapeCase {
    std::string text;
    const char* json;
};

class JsonEscapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(JsonEscapes, GiveAValidJsonString) {
    EXPECT_EQ(JsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonEscapes,
    ::testing::Values(
        EscapeCase{"", R"("")"}, EscapeCase{"aw  200,000", R"("aw  200,000")"},
        EscapeCase{"Передаваемые результаты", R"("Передаваемые результаты")"},
        EscapeCase{R"(say "x" \ y)", R"("say \"x\" \\ y")"},
        EscapeCase{"a\rb\nc\td", R"("a\rb\nc\td")"}, EscapeCase{"\b\f", R"("\b\f")"},
        EscapeCase{std::string("\x01\x1f\x7f", 3), R"("\u0001\u001f)"
                                                   "\x7f\""},
        EscapeCase{std::string("a\0b", 3), R"("a\u0000b")"},
        // Four-byte UTF-8 passes; bytes that are not UTF-8 become the replacement character.
        EscapeCase{"\xF0\x9F\x99\x82", "\"\xF0\x9F\x99\x82\""},
        EscapeCase{"\xE0\xEB\xFF", R"("\ufffd\ufffd\ufffd")"},           // code page 1251 letters
        EscapeCase{"\xD0", R"("\ufffd")"},                               // cut short
        EscapeCase{"\xD0\x20", R"("\ufffd ")"},                          // no continuation
        EscapeCase{"\xE0\x80\xAF", R"("\ufffd\ufffd\ufffd")"},           // overlong '/'
        EscapeCase{"\xED\xA0\x80", R"("\ufffd\ufffd\ufffd")"},           // surrogate
        EscapeCase{"\xF4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"}  // past U+10FFFF
        ));

TEST(JsonString, EscapesTheCarriageReturnsOfTheNoDataMessage) {
    const std::string json = JsonString(kNoDataMessage);
    EXPECT_EQ(json.find('\r'), std::string::npos);
    EXPECT_NE(json.find(R"(данные.\rУменьшите)"), std::string::npos);
    EXPECT_NE(json.find(R"(или\r                               выберите)"), std::string::npos);
}

TEST(JobJson, StoppedJobHasNullsWhereNothingWasProduced) {
    JobResult job;
    job.status = JobStatus::Stopped;
    job.message = "a\rb";
    job.report = {"Введённые значения", "uz  2,800"};
    EXPECT_EQ(
        JobJson(job),
        R"({"status": "stopped", "message": "a\rb", "report": ["Введённые значения", )"
        R"("uz  2,800"], "results": null, "handoff": null, "recalculations": 0, )"
        R"("run_number": null, "design": null, "checks": null, "steps": [], "sizes": null, )"
        R"("drawing_sizes": null, "masses": null, "check_data": null, "material": null, "drawings": null, )"
        R"("models": null, "warnings": [], )"
        R"("shafts": null, "shafts_reason": ""})");
}

TEST(JobJson, CompletedJobHasResultsHandoffAndRunNumberButNoMessage) {
    JobResult job;
    job.status = JobStatus::Completed;
    job.message = "ignored";
    job.results = ResultTexts{"200", "3,00", "34", "95", "105,4", "294,6"};
    job.handoff = "((aw 200.000) (nw 3.000))";
    job.recalculations = 2;
    job.runNumber = -7;
    job.drawings = std::vector<std::string>{"d/wheel.dxf", "d/wheel.pdf"};
    job.models = std::vector<std::string>{"m/wheel.stl"};
    job.warnings = {"Шестерню выполнить заодно с валом"};
    EXPECT_EQ(JobJson(job),
              R"({"status": "ok", "message": null, "report": [], "results": {"aw": "200", )"
              R"("mn": "3,00", "z1": "34", "z2": "95", "d1": "105,4", "d2": "294,6"}, )"
              R"j("handoff": "((aw 200.000) (nw 3.000))", "recalculations": 2, )j"
              R"("run_number": -7, "design": null, "checks": null, "steps": [], "sizes": null, )"
              R"("drawing_sizes": null, "masses": null, "check_data": null, "material": null, )"
              R"("drawings": ["d/wheel.dxf", "d/wheel.pdf"], "models": ["m/wheel.stl"], )"
              R"("warnings": ["Шестерню выполнить заодно с валом"], "shafts": null, )"
              R"("shafts_reason": ""})");
}

TEST(JobJson, FailedJobCarriesTheErrorBoxText) {
    JobResult job;
    job.status = JobStatus::Failed;
    job.message = "I/O error 183.";
    job.runNumber = 3;
    EXPECT_EQ(
        JobJson(job),
        R"({"status": "error", "message": "I/O error 183.", "report": [], "results": null, )"
        R"("handoff": null, "recalculations": 0, "run_number": 3, "design": null, )"
        R"("checks": null, "steps": [], "sizes": null, "drawing_sizes": null, "masses": null, )"
        R"("check_data": null, "material": null, "drawings": null, "models": null, "warnings": [], )"
        R"("shafts": null, "shafts_reason": ""})");
}

// A numpunct with the decimal comma, as a Russian locale has it.
class CommaPunct : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
};

TEST(JsonNumber, ShortestTextThatReadsBackWithAFullStopWhateverTheLocale) {
    const std::locale before =
        std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    const std::pair<double, const char*> cases[] = {
        {200, "200"},
        {0.315, "0.315"},
        {0.1 + 0.2, "0.30000000000000004"},
        {13.99999958293221, "13.99999958293221"},
        {1e21, "1e+21"},
        {5e-324, "5e-324"},
        {-0.0, "-0"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::numeric_limits<double>::quiet_NaN(), "null"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(JsonNumber(value), text) << text;
    std::locale::global(before);
}

TEST(JobJson, StepsListThePassesTriedBeforeAStop) {
    JobResult job;
    job.status = JobStatus::Stopped;
    job.message = "m";
    job.steps = {CheckStep{180, 2.5, 47, 93, ContactCheckFigures{587.5, 686.25, true},
                           BendingCheckFigures{false, 337.5, 270, false}},
                 CheckStep{200, 3, 43, 86, ContactCheckFigures{700, 686.25, false}, {}},
                 CheckStep{225, 3, 48, 97, {}, {}}};
    const std::string json = JobJson(job);
    EXPECT_TRUE(json.ends_with(
        R"("design": null, "checks": null, "steps": [)"
        R"({"aw": 180, "mn": 2.5, "z1": 47, "z2": 93, )"
        R"("contact": {"stress": 587.5, "allowable": 686.25, "passed": true}, )"
        R"("bending": {"gear": "wheel", "stress": 337.5, "allowable": 270, "passed": false}}, )"
        R"({"aw": 200, "mn": 3, "z1": 43, "z2": 86, )"
        R"("contact": {"stress": 700, "allowable": 686.25, "passed": false}, "bending": null}, )"
        R"({"aw": 225, "mn": 3, "z1": 48, "z2": 97, "contact": null, "bending": null}], )"
        R"("sizes": null, "drawing_sizes": null, "masses": null, "check_data": null, "material": null, )"
        R"("drawings": null, "models": null, "warnings": [], )"
        R"("shafts": null, "shafts_reason": ""})"))
        << json;
}

}  // namespace
}  // namespace gearpair
