// The message box and the error box, with the program's title.
#pragma once

#include <windows.h>

#include <string_view>

namespace gearpair::win {

// A stop or validation message; its lines may be separated by bare carriage returns.
void ShowMessageBox(HWND owner, std::string_view text);
// An error raised by a step, with the full stop the error box adds.
void ShowErrorBox(HWND owner, std::string_view message);

}  // namespace gearpair::win
