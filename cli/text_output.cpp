// Plain-text output of a design job.
#include "cli/text_output.h"

#include <ostream>

#include "core/format_fixed.h"

namespace gearpair {

namespace {

// The margin of a check in per cent to one decimal: "15,2 %".
std::string MarginPercent(double stress, double allowable) {
    return MarginPercentText(CheckMargin(stress, allowable)) + " %";
}

}  // namespace

std::string TerminalText(std::string_view message) {
    std::string text(message);
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    return text;
}

void WriteJobText(const JobResult& job, std::ostream& out, std::ostream& err) {
    for (const std::string& line : job.report) out << line << '\n';
    if (job.results) {
        out << '\n';
        for (const ResultField& field : kResultFields) {
            out << field.caption << ": " << (*job.results).*field.text << '\n';
        }
    }
    if (const CheckStep* last = FinalStep(job)) {
        const BendingCheckFigures& bending = *last->bending;
        out << "Запас по контактным напряжениям: "
            << MarginPercent(last->contact->stress, last->contact->allowable) << '\n';
        out << "Запас по изгибным напряжениям (" << (bending.pinion ? "шестерня" : "колесо")
            << "): " << MarginPercent(bending.stress, bending.allowable) << '\n';
    }
    if (job.drawings) {
        out << "\nЧертежи:\n";
        for (const std::string& path : *job.drawings) out << path << '\n';
    }
    if (job.models) {
        out << "\nМодели:\n";
        for (const std::string& path : *job.models) out << path << '\n';
    }
    if (!job.warnings.empty()) {
        out << '\n';
        for (const std::string& warning : job.warnings) out << "Внимание: " << warning << '\n';
    }
    if (!RunCompleted(job)) err << TerminalText(job.message) << '\n';
}

}  // namespace gearpair
