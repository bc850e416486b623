// Small helpers shared by the windows.
#include "win/controls.h"

#include "files/wide_text.h"

namespace gearpair::win {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    return Utf16ToUtf8(utf16);
}

int Scaled(int logicalPixels) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(logicalPixels, dpi, 96);
}

HFONT MakeFormFont(int pixelSize) {
    return CreateFontW(-Scaled(pixelSize), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

HWND AddControl(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                RECT logical, int id, HFONT font) {
    const HWND control = CreateWindowExW(
        0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, Scaled(logical.left),
        Scaled(logical.top), Scaled(logical.right - logical.left),
        Scaled(logical.bottom - logical.top), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

HWND AddLabel(HWND parent, const std::wstring& text, int left, int top, HFONT font) {
    const HWND label = AddControl(parent, L"STATIC", text, SS_LEFT | SS_NOPREFIX,
                                  RECT{left, top, left + 1, top + 1}, -1, font);
    SetLabel(label, text);
    return label;
}

void SetLabel(HWND label, const std::wstring& text) {
    SetWindowTextW(label, text.c_str());
    const HDC dc = GetDC(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font);
    RECT size{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &size,
              DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, size.right + 1, size.bottom, SWP_NOMOVE | SWP_NOZORDER);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace gearpair::win
