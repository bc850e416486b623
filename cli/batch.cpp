// The batch run.
#include "cli/batch.h"

#include <array>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/design_job.h"
#include "app/variant_table.h"
#include "cli/command_line.h"
#include "cli/input_check.h"
#include "core/cp1251.h"
#include "core/csv.h"
#include "core/errors.h"
#include "core/format_fixed.h"
#include "engine/design_products.h"
#include "engine/quiet_run.h"
#include "engine/variant_search.h"

namespace gearpair {

namespace {

enum class LineRead { Line, TooLong, End };

// Reads up to the next line feed into `line` (without it, and without a carriage return
// before it). A line longer than kMaxBatchLine is consumed but not kept.
LineRead ReadLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool tooLong = false;
    bool any = false;
    while (true) {
        std::char_traits<char>::int_type c = 0;
        try {
            c = buffer->sbumpc();
        } catch (const std::ios_base::failure&) {
            throw Error("Не удаётся прочитать входной файл");
        }
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            if (!any) return LineRead::End;
            break;
        }
        any = true;
        if (c == '\n') break;
        if (line.size() < kMaxBatchLine) {
            line += static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    if (tooLong) return LineRead::TooLong;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return LineRead::Line;
}

// The design texts of a row in column order.
std::array<std::string*, 8> Columns(DesignTexts& texts) {
    return {&texts.ratio, &texts.power, &texts.speed, &texts.hardness,
            &texts.life,  &texts.width, &texts.helix, &texts.arrangement};
}

struct Row {
    std::vector<std::string> inputs;  // the row's fields as read, eight of them when well formed
    JobStatus status = JobStatus::Rejected;
    std::string message;
    std::optional<ResultTexts> results;
    // bw, bkol and the stresses and allowable stresses of the final checks, when completed.
    std::optional<std::array<double, 6>> figures;
    std::optional<int> recalculations;
    std::optional<ShaftsSummary> shafts;  // of a completed design whose pair can be made
};

Row RunRow(std::vector<std::string> fields) {
    Row row;
    row.inputs = std::move(fields);
    if (row.inputs.size() != 8) {
        row.message =
            "Строка должна содержать 8 полей, а содержит " + std::to_string(row.inputs.size());
        return row;
    }
    DesignTexts texts;
    const auto columns = Columns(texts);
    for (std::size_t i = 0; i < columns.size(); ++i) *columns[i] = row.inputs[i];
    DesignInputs inputs;
    try {
        inputs = CheckDesignTexts(texts);
    } catch (const InputError& e) {
        row.message = e.Field() + ": " + e.Message();
        return row;
    }
    // No report is printed, so the run formats none.
    QuietOutcome run = RunQuietDesign(inputs);
    switch (run.end) {
        case QuietEnd::Completed:
            row.status = JobStatus::Completed;
            row.results = FormatResults(run.design, ',');
            try {
                const DesignProducts products = DesignProductsOf(run.design);
                if (!products.buildable) {
                    row.status = JobStatus::Unbuildable;
                    row.message = WarningText(products.warnings.front());
                } else {
                    row.shafts = SummariseShafts(run.design, products,
                                                 static_cast<std::uint8_t>(inputs.arrangement));
                }
            } catch (const Error& e) {
                row.status = JobStatus::Failed;
                row.message = ErrorBoxText(e.what());
            }
            break;
        case QuietEnd::Stopped:
            row.status = JobStatus::Stopped;
            row.message = std::move(run.message);
            break;
        case QuietEnd::Failed:
            row.status = JobStatus::Failed;
            row.message = ErrorBoxText(run.message);
            break;
    }
    if (const CheckStep* last = FinalStep(run)) {
        row.figures = {run.design.bw,         run.design.bkol,
                       last->contact->stress, last->contact->allowable,
                       last->bending->stress, last->bending->allowable};
    }
    row.recalculations = run.recalculations;
    return row;
}

void WriteRow(std::ostream& out, const Row& row) {
    std::string text;
    for (std::size_t i = 0; i < 8; ++i) {
        if (i < row.inputs.size()) text += CsvField(row.inputs[i]);
        text += ';';
    }
    text += StatusName(row.status);
    text += ';';
    if (row.results) {
        for (const ResultField& field : kResultFields) {
            text += CsvField((*row.results).*field.text);
            text += ';';
        }
    } else {
        text += ";;;;;;";
    }
    if (row.recalculations) text += std::to_string(*row.recalculations);
    text += ';';
    text += CsvField(row.message);
    if (row.figures) {
        // As the report prints them.
        for (const double value : *row.figures) {
            text += ';';
            AppendFixed(text, value, 8, 3, ',');
        }
    } else {
        text += ";;;;;;";
    }
    AppendShaftsCells(text, row.shafts);
    text += '\n';
    out << text;
}

void CheckHeader(std::istream& in, std::string& line) {
    const std::string expected =
        "первая строка должна быть заголовком " + std::string(kBatchInputHeader);
    if (ReadLine(in, line) == LineRead::End) throw UsageError("Нет заголовка: " + expected);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view header = line;
    if (header.starts_with(kByteOrderMark)) header.remove_prefix(kByteOrderMark.size());
    if (header != kBatchInputHeader) {
        throw UsageError("Неверный заголовок «" + std::string(header) + "»: " + expected);
    }
}

}  // namespace

int RunBatch(std::istream& in, std::ostream& out, bool flushEachRow) {
    std::string line;
    CheckHeader(in, line);
    out << kBatchOutputHeader << '\n';
    bool allCompleted = true;
    bool anyUnbuildable = false;
    while (true) {
        const LineRead read = ReadLine(in, line);
        if (read == LineRead::End) break;
        if (read == LineRead::Line && line.empty()) continue;
        Row row;
        if (read == LineRead::TooLong) {
            row.message = "Строка длиннее " + std::to_string(kMaxBatchLine) + " байт";
        } else if (!IsPlainText(line)) {
            // Such bytes are not echoed: the row's fields stay empty.
            row.message =
                "Строка содержит управляющий символ или недопустимую "
                "последовательность байтов UTF-8";
        } else if (auto fields = SplitCsvLine(line)) {
            row = RunRow(std::move(*fields));
        } else {
            row.message = "Кавычки в строке расставлены неверно";
        }
        if (row.status == JobStatus::Unbuildable) {
            anyUnbuildable = true;
        } else if (row.status != JobStatus::Completed) {
            allCompleted = false;
        }
        WriteRow(out, row);
        if (flushEachRow) out.flush();
        if (!out) throw Error("Не удаётся записать результаты");
    }
    if (in.bad()) throw Error("Не удаётся прочитать входной файл");
    if (!allCompleted) return 1;
    return anyUnbuildable ? 3 : 0;
}

}  // namespace gearpair
