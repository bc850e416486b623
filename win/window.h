// A top-level window of the program: one window class per C++ class, the window procedure
// forwarding every message to the object that made the window.
#pragma once

#include <windows.h>

namespace gearpair::win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

protected:
    // Makes the window with a client area of `width` x `height` pixels (already scaled),
    // centred on the work area; `className` is registered on first use.
    void Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                int width, int height, HWND owner);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Shows the window in front, the first time beside `dialog` on the dialog's monitor: its
    // client area `width` x `height` where there is room, never narrower than `leastWidth`,
    // `gap` from the dialog, which moves aside when the work area needs it (all pixels,
    // already scaled).
    void ShowBesideDialog(HWND dialog, int width, int height, int leastWidth, int gap);

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace gearpair::win
