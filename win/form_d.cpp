// The results dialog.
#include "win/form_d.h"

#include <commctrl.h>

#include <algorithm>

#include "win/controls.h"
#include "win/drawing_window.h"
#include "win/form_b.h"
#include "win/shafts_window.h"

namespace gearpair::win {

namespace {

constexpr int kWidth = 413;
constexpr int kHeight = 227;
// The warnings' sentences sit between the results and the buttons, which move down for them.
constexpr int kWarningsTop = 184;
constexpr int kButtonsTop = 192;

}  // namespace

TFormD::TFormD(TFormB& details)
    : details_(details), font_(MakeFormFont(11)), headlineFont_(MakeFormFont(13)) {
    // No title-bar buttons: the dialog ends with OK only.
    Create(L"GearpairFormD", L"Расчёты завершены", WS_POPUP | WS_CAPTION, WS_EX_CONTROLPARENT,
           Scaled(kWidth), Scaled(kHeight), nullptr);
    headline_ = AddLabel(hwnd_, Wide(ResultsHeading(JobStatus::Completed)), 112, 8, headlineFont_);
    // The captions of the six results, 24 pixels apart, with their values beside them.
    for (std::size_t row = 0; row < kResultFields.size(); ++row) {
        const int top = 40 + 24 * static_cast<int>(row);
        AddLabel(hwnd_, Wide(kResultFields[row].caption), 40, top, font_);
        values_[row] = AddLabel(hwnd_, L"", 328, top, font_);
    }
    warnings_ = AddControl(hwnd_, L"STATIC", L"", SS_LEFT | SS_NOPREFIX,
                           RECT{8, kWarningsTop, kWidth - 8, kWarningsTop + 1}, -1, font_);
    bitBtn1_ = AddControl(hwnd_, WC_BUTTON, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
                          RECT{168, kButtonsTop, 168 + 75, kButtonsTop + 25}, IDOK, font_);
    bitBtn2_ = AddControl(hwnd_, WC_BUTTON, L"Подробно...", BS_PUSHBUTTON | WS_TABSTOP,
                          RECT{336, kButtonsTop, 336 + 75, kButtonsTop + 25}, kBitBtn2, font_);
    bitBtn3_ = AddControl(hwnd_, WC_BUTTON, L"Чертежи...", BS_PUSHBUTTON | WS_TABSTOP,
                          RECT{2, kButtonsTop, 2 + 75, kButtonsTop + 25}, kBitBtn3, font_);
    shaftsButton_ =
        AddControl(hwnd_, WC_BUTTON, Wide(kShaftsButtonText), BS_PUSHBUTTON | WS_TABSTOP,
                   RECT{83, kButtonsTop, 83 + 75, kButtonsTop + 25}, kShaftsButton, font_);
}

TFormD::~TFormD() {
    DeleteObject(font_);
    DeleteObject(headlineFont_);
}

bool TFormD::Execute(HWND owner, JobStatus status, const ResultTexts& results,
                     const std::vector<std::string>& warnings) {
    // The heading of a pair that cannot be made is longer: centred where it leaves x = 112.
    SetLabel(headline_, Wide(ResultsHeading(status)));
    RECT heading{};
    GetWindowRect(headline_, &heading);
    const int headingWidth = heading.right - heading.left;
    SetWindowPos(headline_, nullptr, std::min(Scaled(112), (Scaled(kWidth) - headingWidth) / 2),
                 Scaled(8), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    for (std::size_t row = 0; row < kResultFields.size(); ++row) {
        SetLabel(values_[row], Wide(results.*kResultFields[row].text));
    }
    std::wstring lines;
    for (const std::string& warning : warnings) {
        if (!lines.empty()) lines += L"\r\n";
        lines += Wide(warning);
    }
    SetWindowTextW(warnings_, lines.c_str());
    // Room for the sentences, wrapped to the dialog's width.
    int extra = 0;
    if (!lines.empty()) {
        const HDC dc = GetDC(warnings_);
        const HGDIOBJ old = SelectObject(dc, font_);
        RECT size{0, 0, Scaled(kWidth - 16), 0};
        DrawTextW(dc, lines.c_str(), static_cast<int>(lines.size()), &size,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(warnings_, dc);
        extra = size.bottom + Scaled(8);
        SetWindowPos(warnings_, nullptr, 0, 0, Scaled(kWidth - 16), size.bottom,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    ShowWindow(warnings_, lines.empty() ? SW_HIDE : SW_SHOW);
    SetWindowPos(bitBtn1_, nullptr, Scaled(168), Scaled(kButtonsTop) + extra, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(bitBtn2_, nullptr, Scaled(336), Scaled(kButtonsTop) + extra, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(bitBtn3_, nullptr, Scaled(2), Scaled(kButtonsTop) + extra, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(shaftsButton_, nullptr, Scaled(83), Scaled(kButtonsTop) + extra, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    RECT outer{0, 0, Scaled(kWidth), Scaled(kHeight) + extra};
    AdjustWindowRectEx(&outer, WS_POPUP | WS_CAPTION, FALSE, WS_EX_CONTROLPARENT);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    SetWindowPos(hwnd_, HWND_TOP, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, 0);

    // Modal over the input form only, so that the details window opened from here stays usable.
    EnableWindow(owner, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(bitBtn1_);
    open_ = true;
    ended_ = false;
    bool quit = false;
    MSG message;
    while (open_) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (IsDialogMessageW(hwnd_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    EnableWindow(owner, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
    open_ = false;
    if (quit) {
        // The end of the program asked for inside the dialog is the outer loop's to see.
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    SetActiveWindow(owner);
    return ended_;
}

LRESULT TFormD::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    // Enter on the focused "Подробно...", "Чертежи..." or "Валы..." presses
                    // it, not OK.
                    if (HIWORD(wParam) != BN_CLICKED && GetFocus() == bitBtn2_) {
                        details_.ShowInFront();
                        return 0;
                    }
                    if (HIWORD(wParam) != BN_CLICKED && GetFocus() == bitBtn3_) {
                        if (drawings_) drawings_->ShowBeside(hwnd_);
                        return 0;
                    }
                    if (HIWORD(wParam) != BN_CLICKED && GetFocus() == shaftsButton_) {
                        if (shafts_) shafts_->ShowBeside(hwnd_);
                        return 0;
                    }
                    ended_ = true;
                    open_ = false;
                    return 0;
                case kBitBtn2:
                    details_.ShowInFront();
                    return 0;
                case kBitBtn3:
                    if (drawings_) drawings_->ShowBeside(hwnd_);
                    return 0;
                case kShaftsButton:
                    if (shafts_) shafts_->ShowBeside(hwnd_);
                    return 0;
                default:  // Escape does not close the dialog
                    return 0;
            }
        case WM_CLOSE:
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace gearpair::win
