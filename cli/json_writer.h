// The one JSON writer of the command line: objects and arrays on one line, members separated by
// ", " and keys by ": ", numbers as the shortest text that reads back to the same double.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gearpair {

// The text as a JSON string with its quotes: `"` and `\` escaped, control characters as \b,
// \f, \n, \r, \t or \u00XX, other UTF-8 passed through. A byte that is not part of a valid
// UTF-8 sequence becomes \ufffd, so the output is valid JSON whatever the text holds.
std::string JsonString(std::string_view text);

// The number as JSON: the shortest text that reads back to the same double, with a full stop
// whatever the locale ("3", "0.315", "1e+21"); null for an infinity or NaN, which JSON lacks.
std::string JsonNumber(double value);

// Appends a JSON document to a string. Every value, key and container start puts the separator
// its container needs before it; the caller only says what comes next.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // `"key": `; the next call writes its value.
    JsonWriter& Key(std::string_view key);

    JsonWriter& String(std::string_view text);
    JsonWriter& Number(double value);
    JsonWriter& Integer(std::int64_t value);
    JsonWriter& Boolean(bool value);
    JsonWriter& Null();
    JsonWriter& Strings(const std::vector<std::string>& texts);

    // Members written in one go: `"key": number`, `"key": "text"`.
    JsonWriter& Member(std::string_view key, double value) { return Key(key).Number(value); }
    JsonWriter& Member(std::string_view key, std::string_view text) {
        return Key(key).String(text);
    }

    // What `write` writes for the value, or null when there is none.
    template <typename T, typename Write>
    JsonWriter& Optional(const std::optional<T>& value, Write write) {
        if (value) {
            write(*value);
        } else {
            Null();
        }
        return *this;
    }

private:
    // Before a value or a key: ", " after an earlier member or element, nothing after a key.
    void Separate();

    std::string& out_;
    std::vector<bool> hasMember_;  // per open container: something written in it already
    bool afterKey_ = false;
};

}  // namespace gearpair
