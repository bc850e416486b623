// File-system paths from and to the program's UTF-8 text. A path made from a plain char string
// reads it in the system's narrow code page on Windows; through char8_t it is UTF-8 everywhere.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace gearpair {

inline std::filesystem::path Utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string PathUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace gearpair
