// JSON encoding: string escapes, invalid bytes, and the object of a job with and without its
// optional members.
#include "cli/json.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(JobJson(job),
              R"({"status": "stopped", "message": "a\rb", "report": ["Введённые значения", )"
              R"("uz  2,800"], "results": null, "handoff": null, "recalculations": 0, )"
              R"("run_number": null})");
}

TEST(JobJson, CompletedJobHasResultsHandoffAndRunNumberButNoMessage) {
    JobResult job;
    job.status = JobStatus::Completed;
    job.message = "ignored";
    job.results = ResultTexts{"200", "3,00", "34", "95", "105,4", "294,6"};
    job.handoff = "((aw 200.000) (nw 3.000))";
    job.recalculations = 2;
    job.runNumber = -7;
    EXPECT_EQ(JobJson(job),
              R"({"status": "ok", "message": null, "report": [], "results": {"aw": "200", )"
              R"("mn": "3,00", "z1": "34", "z2": "95", "d1": "105,4", "d2": "294,6"}, )"
              R"j("handoff": "((aw 200.000) (nw 3.000))", "recalculations": 2, )j"
              R"("run_number": -7})");
}

TEST(JobJson, FailedJobCarriesTheErrorBoxText) {
    JobResult job;
    job.status = JobStatus::Failed;
    job.message = "I/O error 183.";
    job.runNumber = 3;
    EXPECT_EQ(JobJson(job),
              R"({"status": "error", "message": "I/O error 183.", "report": [], "results": null, )"
              R"("handoff": null, "recalculations": 0, "run_number": 3})");
}

}  // namespace
}  // namespace gearpair
