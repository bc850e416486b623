// Plain-text output of a design job.
#include "cli/text_output.h"

#include <ostream>

namespace gearpair {

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
    if (job.status != JobStatus::Completed) err << TerminalText(job.message) << '\n';
}

}  // namespace gearpair
