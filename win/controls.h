// Small helpers shared by the windows: text between UTF-8 and UTF-16, pixels for the screen's
// resolution, the form font and the child controls.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace gearpair::win {

inline constexpr char kApplicationTitle[] = "Расчёт цилиндрической передачи";

// UTF-16 for the Windows API; ill-formed UTF-8 becomes U+FFFD.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Logical pixels (96 per inch, as the windows were laid out) to device pixels.
int Scaled(int logicalPixels);

// The form font: Tahoma, which every Windows and a fresh Wine prefix have, with the given
// character height in logical pixels. The caller deletes it.
HFONT MakeFormFont(int pixelSize);

// A child control at logical coordinates with the given font.
HWND AddControl(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                RECT logical, int id, HFONT font);
// A static text sized to its text.
HWND AddLabel(HWND parent, const std::wstring& text, int left, int top, HFONT font);
// Sets a static text and sizes it to the new text.
void SetLabel(HWND label, const std::wstring& text);

std::wstring WindowText(HWND window);

}  // namespace gearpair::win
