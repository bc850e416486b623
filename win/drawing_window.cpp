// The drawing window.
#include "win/drawing_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "app/drawing_step.h"
#include "app/user_text.h"
#include "win/controls.h"
#include "win/message_box.h"
#include "win/sheet_painter.h"
#include "win/title_settings.h"

namespace gearpair::win {

namespace {

// The window's usual client size and the least width it takes beside a dialog, and the gap
// between them, logical pixels.
constexpr int kPreferredWidth = 960;
constexpr int kPreferredHeight = 680;
constexpr int kLeastWidth = 320;
constexpr int kGap = 8;

// The margin around the warnings' text, logical pixels.
constexpr int kWarningMargin = 6;

const COLORREF kWarningBack = RGB(0xFF, 0xF4, 0xCE);
const COLORREF kWarningText = RGB(0x80, 0x20, 0x00);

// Posted when a field has lost the focus: the texts are taken once the focus change is
// complete, never inside it (the error box of a rejected text must not open there).
constexpr UINT kTakeFields = WM_APP + 2;

void Place(HWND control, int left, int top, int width, int height) {
    SetWindowPos(control, nullptr, left, top, std::max(width, 1), std::max(height, 1),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

DrawingWindow::DrawingWindow(HWND owner)
    : inputs_(RememberedTitleTexts()),
      font_(MakeFormFont(11)),
      warningBrush_(CreateSolidBrush(kWarningBack)) {
    LoadDraftingFontPrivately();
    Create(L"GearpairDrawings", L"Чертежи", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
           WS_EX_CONTROLPARENT, Scaled(kPreferredWidth), Scaled(kPreferredHeight), owner);
    titleFields_.Make(hwnd_, font_, kFirstField);
    tabs_ = AddControl(hwnd_, WC_TABCONTROL, L"", WS_TABSTOP | WS_CLIPSIBLINGS, RECT{0, 0, 1, 1},
                       kTabs, font_);
    const wchar_t* names[] = {L"Колесо", L"Шестерня"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(names[i]);
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    warningLine_ =
        AddControl(hwnd_, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, RECT{0, 0, 1, 1}, -1, font_);
    reasonLine_ =
        AddControl(hwnd_, L"STATIC", L"", SS_CENTER | SS_NOPREFIX, RECT{0, 0, 1, 1}, -1, font_);
    wheelView_.Make(hwnd_);
    pinionView_.Make(hwnd_);
    wheelView_.SetSheet(&drawings_.wheel);
    pinionView_.SetSheet(&drawings_.pinion);
    titleFields_.Show(inputs_);
    ShowTab(0);
}

DrawingWindow::~DrawingWindow() {
    DeleteObject(font_);
    DeleteObject(warningBrush_);
}

void DrawingWindow::SetDrawings(DrawingSet drawings, PartWarnings warnings, std::string directory,
                                const TGearDesign& design, const DesignProducts& products) {
    drawings_ = std::move(drawings);
    hasDrawings_ = true;
    warnings_ = std::move(warnings);
    directory_ = std::move(directory);
    source_ = Design{design, products};
    reason_ = NoDrawingsReason(products);
    SetWindowTextW(reasonLine_, Wide(reason_).c_str());
    wheelView_.SetSheet(&drawings_.wheel);
    pinionView_.SetSheet(&drawings_.pinion);
    ShowTab(tab_);
}

void DrawingWindow::Clear() {
    ShowWindow(hwnd_, SW_HIDE);
    drawings_ = DrawingSet{};
    hasDrawings_ = false;
    source_.reset();
    directory_.clear();
    warnings_ = PartWarnings{};
    reason_.clear();
    SetWindowTextW(reasonLine_, L"");
    wheelView_.SetSheet(&drawings_.wheel);
    pinionView_.SetSheet(&drawings_.pinion);
    ShowTab(tab_);
}

void DrawingWindow::ShowBeside(HWND dialog) {
    ShowBesideDialog(dialog, Scaled(kPreferredWidth), Scaled(kPreferredHeight), Scaled(kLeastWidth),
                     Scaled(kGap));
    SetFocus(tab_ == 1 ? pinionView_.Handle() : wheelView_.Handle());
}

void DrawingWindow::Layout() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    int top = titleFields_.Arrange(client.right);
    // A design without sheets: the reason below the fields, in place of the tabs.
    ShowWindow(tabs_, reason_.empty() ? SW_SHOW : SW_HIDE);
    ShowWindow(reasonLine_, reason_.empty() ? SW_HIDE : SW_SHOW);
    if (!reason_.empty()) {
        const int margin = Scaled(kWarningMargin);
        Place(reasonLine_, margin, top + margin, client.right - 2 * margin,
              client.bottom - top - 2 * margin);
        warningBand_ = RECT{};
        ShowWindow(warningLine_, SW_HIDE);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return;
    }
    // The tab strip shows only the tabs' headers; the warnings and the sheet are below it.
    RECT header{};
    SendMessageW(tabs_, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&header));
    const int tabsHeight = header.bottom + Scaled(2);
    Place(tabs_, 0, top, client.right, tabsHeight);
    top += tabsHeight;
    const std::vector<std::string>& warnings = tab_ == 1 ? warnings_.pinion : warnings_.wheel;
    if (!warnings.empty()) {
        const std::wstring text = WindowText(warningLine_);
        const int margin = Scaled(kWarningMargin);
        const HDC dc = GetDC(warningLine_);
        const HGDIOBJ old = SelectObject(dc, font_);
        RECT size{0, 0, std::max<LONG>(client.right - 2 * margin, 1), 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &size,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(warningLine_, dc);
        // The line sits in a band of its colour, with a margin all round.
        warningBand_ = RECT{0, top, client.right, top + size.bottom + 2 * margin};
        Place(warningLine_, margin, top + margin, client.right - 2 * margin, size.bottom);
        top = warningBand_.bottom;
    } else {
        warningBand_ = RECT{};
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    ShowWindow(warningLine_, warnings.empty() ? SW_HIDE : SW_SHOW);
    for (SheetView* view : {&wheelView_, &pinionView_}) {
        Place(view->Handle(), 0, top, client.right, client.bottom - top);
    }
}

void DrawingWindow::ShowTab(int index) {
    tab_ = index;
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    std::wstring lines;
    for (const std::string& warning : index == 1 ? warnings_.pinion : warnings_.wheel) {
        if (!lines.empty()) lines += L"\r\n";
        lines += Wide(warning);
    }
    SetWindowTextW(warningLine_, lines.c_str());
    Layout();
    const bool sheets = reason_.empty();
    ShowWindow(wheelView_.Handle(), sheets && index != 1 ? SW_SHOW : SW_HIDE);
    ShowWindow(pinionView_.Handle(), sheets && index == 1 ? SW_SHOW : SW_HIDE);
    InvalidateRect(warningLine_, nullptr, TRUE);
}

void DrawingWindow::TakeTitleFields() {
    DrawingInputs inputs;
    try {
        inputs = titleFields_.Inputs();
    } catch (const UserTextError& error) {
        // The typed text stays in its field to be corrected; the sheets and the remembered
        // texts stay as they were.
        ShowErrorBox(hwnd_, error.what());
        return;
    }
    if (inputs == inputs_) return;
    if (source_) {
        DrawingSet redrawn;
        try {
            redrawn = BuildDrawings(source_->design, source_->products, inputs);
        } catch (const std::exception& error) {
            // The fields, the sheets and the remembered texts stay as they were.
            titleFields_.Show(inputs_);
            ShowErrorBox(hwnd_, error.what());
            return;
        }
        // The views keep their zoom: the engineer may be looking at the title block.
        drawings_ = std::move(redrawn);
        wheelView_.SetSheet(&drawings_.wheel, true);
        pinionView_.SetSheet(&drawings_.pinion, true);
    }
    inputs_ = std::move(inputs);
    RememberTitleTexts(inputs_);
}

void DrawingWindow::AskAndSave(SheetFileKind kind) {
    if (!hasDrawings_ || !reason_.empty()) return;
    const SheetFileTexts texts = TextsOf(kind);
    const std::wstring suffix = Wide(texts.suffix);
    // The name the drawing directory holds the sheet under.
    std::wstring file = (tab_ == 1 ? L"pinion." : L"wheel.") + suffix;
    file.resize(MAX_PATH, L'\0');
    // The filter: the name, then the pattern, each ending in a NUL, and one more at the end.
    std::wstring filter = Wide(texts.filter);
    filter += L'\0';
    filter += Wide(texts.pattern);
    filter += L'\0';
    const std::wstring directory = Wide(directory_);
    const std::wstring caption = Wide(texts.caption);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = directory.c_str();
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = suffix.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) return;
    file.resize(file.find(L'\0'));
    try {
        WriteSheetFile(tab_ == 1 ? drawings_.pinion : drawings_.wheel, kind, Narrow(file));
    } catch (const std::exception& error) {
        ShowErrorBox(hwnd_, error.what());
    }
}

void DrawingWindow::Key(WPARAM key) {
    SheetView& view = tab_ == 1 ? pinionView_ : wheelView_;
    switch (key) {
        case VK_ESCAPE:
            ShowWindow(hwnd_, SW_HIDE);
            break;
        case VK_RETURN:  // in a title-block field
            TakeTitleFields();
            break;
        case VK_ADD:
        case VK_OEM_PLUS:
            view.ZoomAtCursor(PaperZoom::kStep);
            break;
        case VK_SUBTRACT:
        case VK_OEM_MINUS:
            view.ZoomAtCursor(1 / PaperZoom::kStep);
            break;
        case VK_HOME:
            view.Fit();
            break;
        case 'S':
            if (GetKeyState(VK_CONTROL) < 0) AskAndSave(SheetFileKind::Dxf);
            break;
        default:
            break;
    }
}

LRESULT DrawingWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_GETMINMAXINFO: {
            auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
            info.ptMinTrackSize = POINT{Scaled(kLeastWidth), Scaled(240)};
            return 0;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
                ShowTab(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
                SetFocus(tab_ == 1 ? pinionView_.Handle() : wheelView_.Handle());
            }
            return 0;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (titleFields_.Holds(id) && HIWORD(wParam) == EN_KILLFOCUS) {
                PostMessageW(hwnd_, kTakeFields, 0, 0);
            } else if (id == kSaveDxf) {
                AskAndSave(SheetFileKind::Dxf);
            } else if (id == kSavePdf) {
                AskAndSave(SheetFileKind::Pdf);
            } else if (id == kSaveSvg) {
                AskAndSave(SheetFileKind::Svg);
            } else if (id == kFit) {
                (tab_ == 1 ? pinionView_ : wheelView_).Fit();
            }
            return 0;
        }
        case kTakeFields:
            TakeTitleFields();
            return 0;
        case WM_CONTEXTMENU: {
            const auto view = reinterpret_cast<HWND>(wParam);
            if (view != wheelView_.Handle() && view != pinionView_.Handle()) break;
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (at.x == -1 && at.y == -1) {  // from the keyboard: at the view's corner
                at = POINT{0, 0};
                ClientToScreen(view, &at);
            }
            const HMENU menu = CreatePopupMenu();
            AppendMenuW(menu, MF_STRING, kSaveDxf, L"Сохранить DXF...\tCtrl+S");
            AppendMenuW(menu, MF_STRING, kSavePdf, L"Сохранить PDF...");
            AppendMenuW(menu, MF_STRING, kSaveSvg, L"Сохранить SVG...");
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING, kFit, L"Вписать\tHome");
            // A menu tracks only in the foreground window.
            SetForegroundWindow(hwnd_);
            // A pixel off the cursor: under a window manager whose focus follows the pointer,
            // a menu opened under it would lose the focus, and close, at once.
            TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x + 1, at.y + 1,
                           0, hwnd_, nullptr);
            DestroyMenu(menu);
            return 0;
        }
        case WM_KEYDOWN:
            Key(wParam);
            return 0;
        case WM_MOUSEWHEEL: {
            // Where the wheel goes to the focused control, a field, and the cursor is over the
            // shown sheet: the sheet zooms.
            const HWND view = (tab_ == 1 ? pinionView_ : wheelView_).Handle();
            RECT area{};
            GetWindowRect(view, &area);
            if (!PtInRect(&area, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) break;
            return SendMessageW(view, message, wParam, lParam);
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == warningLine_) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kWarningText);
                SetBkColor(dc, kWarningBack);
                return reinterpret_cast<LRESULT>(warningBrush_);
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd_, &ps);
            FillRect(dc, &warningBand_, warningBrush_);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_CLOSE:
            ShowWindow(hwnd_, SW_HIDE);
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace gearpair::win
