// The JSON writer.
#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/cp1251.h"

namespace gearpair {

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

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasMember_.empty()) {
        if (hasMember_.back()) out_ += ", ";
        hasMember_.back() = true;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    out_ += '{';
    hasMember_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    out_ += '}';
    hasMember_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Separate();
    out_ += '[';
    hasMember_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    out_ += ']';
    hasMember_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    Separate();
    out_ += JsonString(key);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    Separate();
    out_ += JsonString(text);
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    Separate();
    out_ += JsonNumber(value);
    return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
    Separate();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Boolean(bool value) {
    Separate();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::Strings(const std::vector<std::string>& texts) {
    BeginArray();
    for (const std::string& text : texts) String(text);
    return EndArray();
}

}  // namespace gearpair
