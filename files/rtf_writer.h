// The report as an RTF document: code page 1251, the report's font, one paragraph per line.
#pragma once

#include <string>
#include <vector>

namespace gearpair {

// The RTF document of the given UTF-8 lines.
std::string ReportToRtf(const std::vector<std::string>& lines);

}  // namespace gearpair
