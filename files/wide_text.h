// The boundary between the program's UTF-8 text and the UTF-16 of the Windows API: names
// are converted on their way into a system call and the system's answers on their way back.
#pragma once

#ifdef _WIN32

#include <optional>
#include <string>
#include <string_view>

namespace gearpair {

// The UTF-16 form of a UTF-8 text; nothing for ill-formed UTF-8 or an embedded NUL, which no
// file name may hold.
std::optional<std::wstring> Utf8ToUtf16(std::string_view text);

// The UTF-8 form of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::wstring_view text);

}  // namespace gearpair

#endif
