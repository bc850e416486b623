// JSON encoding of a design job.
#include "cli/json.h"

#include <cstdint>
#include <cstdio>

#include "cli/figures_json.h"

namespace gearpair {

namespace {

// Length of the valid UTF-8 sequence at the start of `text`, or 0 when its first byte does not
// start one (a stray continuation byte, an overlong form, a surrogate, a value past U+10FFFF,
// a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;  // range of the second byte, narrower for some leads
    unsigned char high = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

void AppendKey(std::string& json, std::string_view key) {
    json += JsonString(key);
    json += ": ";
}

template <typename T, typename Write>
void AppendOptional(std::string& json, const std::optional<T>& value, Write write) {
    if (value) {
        write(*value);
    } else {
        json += "null";
    }
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json;
    json.reserve(text.size() + 2);
    json += '"';
    std::size_t i = 0;
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
                } else if (const std::size_t length = Utf8SequenceLength(text.substr(i))) {
                    json.append(text.substr(i, length));
                    i += length;
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
        const std::pair<std::string_view, const std::string*> fields[] = {
            {"aw", &results.aw}, {"mn", &results.mn}, {"z1", &results.z1},
            {"z2", &results.z2}, {"d1", &results.d1}, {"d2", &results.d2}};
        json += '{';
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            if (i > 0) json += ", ";
            AppendKey(json, fields[i].first);
            json += JsonString(*fields[i].second);
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
