// Fuzz target of the batch reader over arbitrary bytes: it returns 0, 1 or 3 or raises one of
// the system's errors, and writes the output header and one row per non-empty input line, each
// row reading back as 29 fields whose first eight are the row's own fields, or empty
// for a line holding a control character or broken UTF-8, which no row echoes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "core/cp1251.h"
#include "core/csv.h"
#include "core/errors.h"

namespace {

void Require(bool holds, const char* property, std::string_view detail) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n%.*s\n", property, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// The lines after the header that the batch reads as rows: split at line feeds, a carriage
// return before the line feed dropped, empty lines skipped.
std::vector<std::string_view> DataLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    bool header = true;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (header) {
            header = false;
            continue;
        }
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    std::ostringstream out;
    int status = 0;
    try {
        status = gearpair::RunBatch(in, out, false);
    } catch (const gearpair::Error& error) {
        Require(out.str().empty(), "an error before the first row writes nothing", error.what());
        return 0;
    }
    Require(status == 0 || status == 1 || status == 3, "the exit status is 0, 1 or 3", bytes);

    const std::string output = out.str();
    std::vector<std::string_view> rows;
    for (std::string_view rest = output; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        Require(end != std::string_view::npos, "every row ends with a line feed", output);
        rows.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    Require(!rows.empty() && rows[0] == gearpair::kBatchOutputHeader, "the output header", output);
    const std::vector<std::string_view> lines = DataLines(bytes);
    Require(rows.size() == lines.size() + 1, "one row per non-empty line", output);
    bool allCompleted = true;
    bool anyUnbuildable = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto fields = gearpair::SplitCsvLine(rows[i + 1]);
        Require(fields && fields->size() == 29, "a row reads back as 29 fields", rows[i + 1]);
        const std::string& shafts = (*fields)[28];
        Require(shafts.empty() || shafts == "ok" || shafts == "life not reached" ||
                    shafts == "no bearing",
                "a known shafts' status", rows[i + 1]);
        const std::string& statusName = (*fields)[8];
        Require(statusName == "ok" || statusName == "unbuildable" || statusName == "stopped" ||
                    statusName == "error" || statusName == "invalid",
                "a known status", rows[i + 1]);
        for (std::size_t field = 0; field < 8; ++field) {
            Require(gearpair::IsPlainText((*fields)[field]), "no row echoes a control character",
                    rows[i + 1]);
        }
        if (statusName == "unbuildable") {
            anyUnbuildable = true;
        } else if (statusName != "ok") {
            allCompleted = false;
        }
        const auto inputs = lines[i].size() <= gearpair::kMaxBatchLine
                                ? gearpair::SplitCsvLine(lines[i])
                                : std::nullopt;
        if (inputs && inputs->size() == 8 && gearpair::IsPlainText(lines[i])) {
            Require(std::vector<std::string>(fields->begin(), fields->begin() + 8) == *inputs,
                    "a row repeats its eight inputs", rows[i + 1]);
        }
    }
    Require(status == (!allCompleted    ? 1
                       : anyUnbuildable ? 3
                                        : 0),
            "status 0 when every row completed, 3 when the others cannot be built", output);
    return 0;
}
