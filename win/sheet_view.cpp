// The sheet view: zoom, pan and fit over the sheet painter.
#include "win/sheet_view.h"

#include <windowsx.h>

#include <cmath>
#include <exception>

#include "win/sheet_painter.h"

namespace gearpair::win {

namespace {

const COLORREF kBackground = RGB(0x80, 0x80, 0x80);
const COLORREF kShadow = RGB(0x50, 0x50, 0x50);
constexpr int kShadowOffset = 3;

}  // namespace

void SheetView::Make(HWND parent) {
    Create(L"GearpairSheetView", L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 1, 1, parent);
    // A double click fits the sheet.
    SetClassLongPtrW(hwnd_, GCL_STYLE, GetClassLongPtrW(hwnd_, GCL_STYLE) | CS_DBLCLKS);
}

SheetView::~SheetView() = default;

void SheetView::SetSheet(const Sheet* sheet, bool keepZoom) {
    sheet_ = sheet;
    marks_.clear();
    if (sheet_) {
        try {
            marks_ = SheetMarks(*sheet_);
        } catch (const std::exception&) {
            // Without the drafting font the sheets could not have been drawn: nothing to show.
        }
    }
    if (!keepZoom) {
        zoom_.SetPaper(sheet_ ? sheet_->widthMm : 0, sheet_ ? sheet_->heightMm : 0);
    }
    Repaint();
}

void SheetView::Fit() {
    zoom_.Fit();
    Repaint();
}

void SheetView::ZoomAt(POINT at, double factor) {
    zoom_.ZoomAt({static_cast<double>(at.x), static_cast<double>(at.y)}, factor);
    Repaint();
}

void SheetView::ZoomAtCursor(double factor) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(hwnd_, &cursor);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (!PtInRect(&client, cursor)) cursor = POINT{client.right / 2, client.bottom / 2};
    ZoomAt(cursor, factor);
}

void SheetView::Repaint() {
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void SheetView::Paint(HDC dc, const RECT& client) const {
    const HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, &client, background);
    DeleteObject(background);
    if (!sheet_) return;
    const double scale = zoom_.Scale();
    const PaperPoint origin = zoom_.Origin();
    const RECT paper{static_cast<LONG>(std::lround(origin.x)),
                     static_cast<LONG>(std::lround(origin.y)),
                     static_cast<LONG>(std::lround(origin.x + sheet_->widthMm * scale)),
                     static_cast<LONG>(std::lround(origin.y + sheet_->heightMm * scale))};
    RECT shadow = paper;
    OffsetRect(&shadow, kShadowOffset, kShadowOffset);
    const HBRUSH shadowBrush = CreateSolidBrush(kShadow);
    FillRect(dc, &shadow, shadowBrush);
    DeleteObject(shadowBrush);
    FillRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PaintMarks(dc, marks_, PaperPlacement{scale, origin.x, origin.y, sheet_->heightMm});
}

LRESULT SheetView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd_, &ps);
            RECT client{};
            GetClientRect(hwnd_, &client);
            // Off screen first, then in one copy.
            const HDC memory = CreateCompatibleDC(dc);
            const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
            const HGDIOBJ old = SelectObject(memory, bitmap);
            Paint(memory, client);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteObject(bitmap);
            DeleteDC(memory);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_SIZE:
            zoom_.Resize(LOWORD(lParam), HIWORD(lParam));
            Repaint();
            return 0;
        case WM_MOUSEWHEEL: {
            wheelRest_ += GET_WHEEL_DELTA_WPARAM(wParam);
            const int notches = wheelRest_ / WHEEL_DELTA;
            wheelRest_ -= notches * WHEEL_DELTA;
            if (notches != 0) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ScreenToClient(hwnd_, &at);
                ZoomAt(at, std::pow(PaperZoom::kStep, notches));
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetFocus(hwnd_);
            dragging_ = true;
            dragFrom_ = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            SetCapture(hwnd_);
            return 0;
        case WM_MOUSEMOVE:
            if (dragging_) {
                const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                zoom_.Pan(at.x - dragFrom_.x, at.y - dragFrom_.y);
                dragFrom_ = at;
                Repaint();
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (dragging_) {
                dragging_ = false;
                if (message == WM_LBUTTONUP) ReleaseCapture();
            }
            return 0;
        case WM_RBUTTONDOWN:
            SetFocus(hwnd_);
            return 0;
        case WM_RBUTTONUP: {
            // The menu at the cursor, from the window.
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd_, &at);
            PostMessageW(GetParent(hwnd_), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd_),
                         MAKELPARAM(at.x, at.y));
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            Fit();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, dragging_ ? IDC_SIZEALL : IDC_HAND));
                return TRUE;
            }
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
        case WM_CHAR:
            // The window's keys act on whichever view is shown.
            return SendMessageW(GetParent(hwnd_), message, wParam, lParam);
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace gearpair::win
