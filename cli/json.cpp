// JSON encoding of a design job.
#include "cli/json.h"

#include <cstdint>

#include "cli/figures_json.h"
#include "cli/json_writer.h"
#include "cli/shafts_json.h"

namespace gearpair {

std::string JobJson(const JobResult& job) {
    std::string text;
    JsonWriter json(text);
    json.BeginObject();
    json.Member("status", StatusName(job.status));
    json.Key("message");
    if (job.status == JobStatus::Completed) {
        json.Null();
    } else {
        json.String(job.message);
    }
    json.Key("report").Strings(job.report);
    json.Key("results").Optional(job.results, [&](const ResultTexts& results) {
        json.BeginObject();
        for (const ResultField& field : kResultFields) json.Member(field.key, results.*field.text);
        json.EndObject();
    });
    json.Key("handoff").Optional(job.handoff, [&](const std::string& list) { json.String(list); });
    json.Key("recalculations").Integer(job.recalculations);
    json.Key("run_number").Optional(job.runNumber, [&](std::int64_t number) {
        json.Integer(number);
    });
    WriteFigures(json, job);
    json.Key("drawings").Optional(job.drawings, [&](const std::vector<std::string>& paths) {
        json.Strings(paths);
    });
    json.Key("models").Optional(
        job.models, [&](const std::vector<std::string>& paths) { json.Strings(paths); });
    json.Key("warnings").Strings(job.warnings);
    WriteShafts(json, job);
    json.EndObject();
    return text;
}

}  // namespace gearpair
