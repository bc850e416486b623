// The message box and the error box.
#include "win/message_box.h"

#include <string>

#include "core/errors.h"
#include "win/controls.h"

namespace gearpair::win {

namespace {

void ShowBox(HWND owner, std::string_view text, UINT icon) {
    std::wstring shown;
    // The box breaks lines at CR LF; the stop messages separate theirs with a bare CR.
    for (const wchar_t c : Wide(text)) {
        if (c == L'\r') {
            shown += L"\r\n";
        } else {
            shown += c;
        }
    }
    MessageBoxW(owner, shown.c_str(), Wide(kApplicationTitle).c_str(), MB_OK | icon);
}

}  // namespace

void ShowMessageBox(HWND owner, std::string_view text) {
    ShowBox(owner, text, 0);
}

void ShowErrorBox(HWND owner, std::string_view message) {
    ShowBox(owner, ErrorBoxText(message), MB_ICONERROR);
}

}  // namespace gearpair::win
