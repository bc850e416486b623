// Fields of a semicolon-separated line, as spreadsheets with the decimal comma read and write
// them: a field holding a semicolon, a double quote or a line break is enclosed in double
// quotes, with each double quote inside it doubled.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gearpair {

// Splits one line into its fields; blanks belong to the fields. Returns nothing when a quoted
// field is not closed or text follows its closing quote.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line);

// The field as it is written into a line: quoted when it holds ';', '"', '\r' or '\n'.
std::string CsvField(std::string_view text);

}  // namespace gearpair
