// Fuzz target of the design run over arbitrary input texts, width indexes and arrangements:
// a run completes, stops with one of the three stop messages, or raises an error with one of
// the system's messages (the conversion error of one of its texts or of the empty table entry
// of an unknown arrangement, or a floating-point error); never anything else. The same session
// then runs the default design as if nothing had happened before, as the desktop program's one
// session does.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "engine/design_run.h"
#include "files/handoff.h"

namespace {

using gearpair::DesignInputs;

void Require(bool holds, const char* property, const DesignInputs& in, const std::string& got) {
    if (holds) return;
    std::fprintf(stderr,
                 "property violated: %s\ngot: %s\ninputs: uz '%s' power '%s' nw '%s' hkol '%s' "
                 "t '%s' psibaIndex %d betta '%s' arrangement %d\n",
                 property, got.c_str(), in.uzText.c_str(), in.powerText.c_str(), in.nwText.c_str(),
                 in.hkolText.c_str(), in.tText.c_str(), in.psibaIndex, in.bettaText.c_str(),
                 in.arrangement);
    std::abort();
}

// Mostly short texts: the fuzzer then reaches numbers that pass the conversion more often.
std::string Text(FuzzedDataProvider& input) {
    return input.ConsumeRandomLengthString(24);
}

bool IsSystemMessage(std::string_view message, const DesignInputs& in) {
    for (const std::string* text :
         {&in.uzText, &in.powerText, &in.nwText, &in.hkolText, &in.tText, &in.bettaText}) {
        // what() is a C string: a text with a NUL byte shows up to it.
        const std::string expected = "'" + *text + "' is not a valid floating point value";
        if (message == expected.c_str()) return true;
    }
    // A width index outside the list is refused with the list's items.
    const bool widthInList =
        in.psibaIndex >= 0 && in.psibaIndex < static_cast<int>(gearpair::kWidthTexts.size());
    if (!widthInList && message == gearpair::NotInListMessage(gearpair::kWidthTexts)) return true;
    return message == "Floating point division by zero" ||
           message == "Invalid floating point operation" || message == "Floating point overflow";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    DesignInputs inputs;
    inputs.uzText = Text(input);
    inputs.powerText = Text(input);
    inputs.nwText = Text(input);
    inputs.hkolText = Text(input);
    inputs.tText = Text(input);
    inputs.bettaText = Text(input);
    inputs.psibaIndex = input.ConsumeIntegralInRange<int>(-2, 8);
    // The arrangement comes from three buttons: 1 to 3 is the run's precondition.
    inputs.arrangement = input.ConsumeIntegralInRange<int>(1, 3);
    if (input.ConsumeBool()) inputs.psibaIndex = input.ConsumeIntegral<int>();

    gearpair::GearSession session;
    // The hand-off's derived sizes, without its files.
    const auto handoff = [](gearpair::GearSession& s) { gearpair::AppendHandoffList(s); };
    try {
        const gearpair::RunOutcome outcome = gearpair::RunDesign(session, inputs, handoff);
        if (outcome.completed) {
            Require(outcome.message.empty(), "a completed run has no message", inputs,
                    outcome.message);
            Require(!outcome.results.aw.empty() && !outcome.results.d2.empty(),
                    "a completed run has its results", inputs, outcome.results.aw);
            Require(session.handoffList.starts_with("((aw ") && session.handoffList.ends_with("))"),
                    "a completed run has its hand-off list", inputs, session.handoffList);
        } else {
            Require(outcome.message == gearpair::kNoDataMessage ||
                        outcome.message == gearpair::kSeriesExhaustedMessage ||
                        outcome.message == gearpair::kToothNumberMessage,
                    "a stop names one of the stop messages", inputs, outcome.message);
        }
    } catch (const gearpair::Error& error) {
        Require(IsSystemMessage(error.what(), inputs), "an error has a system message", inputs,
                error.what());
    }
    Require(session.report.DecimalSeparator() == ',', "the comma is back after the run", inputs,
            std::string(1, session.report.DecimalSeparator()));

    const gearpair::RunOutcome next = gearpair::RunDesign(session, DesignInputs{}, handoff);
    const gearpair::ResultTexts& r = next.results;
    const std::string got =
        r.aw + " " + r.mn + " " + r.z1 + " " + r.z2 + " " + r.d1 + " " + r.d2 + " " + next.message;
    Require(next.completed && got == "200 3,00 34 95 105,4 294,6 ",
            "the next run of the default design gives its results", inputs, got);
    return 0;
}
