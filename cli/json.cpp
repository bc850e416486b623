// JSON encoding of a design job.
#include "cli/json.h"

#include <cstdint>
#include <cstdio>

#include "cli/figures_json.h"
#include "core/cp1251.h"

namespace gearpair {

void AppendKey(std::string& json, std::string_view key) {
    json += JsonString(key);
    json += ": ";
}

std::string JsonString(std::string_view text) {
    std::string json;
    json.reserve(text.size() + 2);
    json += '"';
    std::size_t i = 0;
    char32_t codePoint = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\b':
                json += "\\b";
                break;
            case '\f':
                json += "\\f";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    json += escape;
                } else if (std::size_t next = i; DecodeUtf8(text, next, codePoint)) {
                    json.append(text.substr(i, next - i));
                    i = next;
                    continue;
                } else {
                    json += "\\ufffd";
                }
        }
        ++i;
    }
    json += '"';
    return json;
}

namespace {

void AppendTexts(std::string& json, const std::vector<std::string>& texts) {
    json += '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) json += ", ";
        json += JsonString(texts[i]);
    }
    json += ']';
}

}  // namespace

std::string JobJson(const JobResult& job) {
    std::string json = "{";
    AppendKey(json, "status");
    json += JsonString(StatusName(job.status));
    json += ", ";
    AppendKey(json, "message");
    json += job.status == JobStatus::Completed ? "null" : JsonString(job.message);
    json += ", ";
    AppendKey(json, "report");
    json += '[';
    for (std::size_t i = 0; i < job.report.size(); ++i) {
        if (i > 0) json += ", ";
        json += JsonString(job.report[i]);
    }
    json += "], ";
    AppendKey(json, "results");
    AppendOptional(json, job.results, [&](const ResultTexts& results) {
        json += '{';
        for (const ResultField& field : kResultFields) {
            if (&field != &kResultFields.front()) json += ", ";
            AppendKey(json, field.key);
            json += JsonString(results.*field.text);
        }
        json += '}';
    });
    json += ", ";
    AppendKey(json, "handoff");
    AppendOptional(json, job.handoff, [&](const std::string& list) { json += JsonString(list); });
    json += ", ";
    AppendKey(json, "recalculations");
    json += std::to_string(job.recalculations);
    json += ", ";
    AppendKey(json, "run_number");
    AppendOptional(json, job.runNumber,
                   [&](std::int64_t number) { json += std::to_string(number); });
    AppendFiguresJson(json, job);
    json += ", ";
    AppendKey(json, "drawings");
    AppendOptional(json, job.drawings,
                   [&](const std::vector<std::string>& paths) { AppendTexts(json, paths); });
    json += ", ";
    AppendKey(json, "warnings");
    AppendTexts(json, job.warnings);
    json += '}';
    return json;
}

}  // namespace gearpair
