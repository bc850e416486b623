// The window procedure shared by the program's windows.
#include "win/window.h"

#include "app/window_placement.h"

namespace gearpair::win {

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                    int width, int height, HWND owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Window::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - outerWidth) / 2;
    const int top = work.top + (work.bottom - work.top - outerHeight) / 2;
    CreateWindowExW(exStyle, className, title, style, left, top, outerWidth, outerHeight, owner,
                    nullptr, instance, this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->HandleMessage(message, wParam, lParam);
}

void Window::ShowBesideDialog(HWND dialog, int width, int height, int leastWidth, int gap) {
    if (!IsWindowVisible(hwnd_)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& work = monitor.rcWork;
        RECT taken{};
        GetWindowRect(dialog, &taken);
        RECT outer{};
        RECT client{};
        GetWindowRect(hwnd_, &outer);
        GetClientRect(hwnd_, &client);
        const BesideRule rule{(outer.right - outer.left) - client.right,
                              (outer.bottom - outer.top) - client.bottom,
                              width,
                              height,
                              leastWidth,
                              gap};
        const BesidePlacement placement = PlaceBeside(
            ScreenRect{work.left, work.top, work.right - work.left, work.bottom - work.top},
            ScreenRect{taken.left, taken.top, taken.right - taken.left, taken.bottom - taken.top},
            rule);
        if (placement.dialogAt) {
            SetWindowPos(dialog, nullptr, placement.dialogAt->x, placement.dialogAt->y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SetWindowPos(hwnd_, HWND_TOP, placement.frame.left, placement.frame.top,
                     placement.frame.width, placement.frame.height, SWP_NOACTIVATE);
        ShowWindow(hwnd_, SW_SHOW);
    }
    SetForegroundWindow(hwnd_);
}

}  // namespace gearpair::win
