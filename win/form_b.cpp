// The details window.
#include "win/form_b.h"

#include <richedit.h>
#include <windowsx.h>

#include <exception>

#include "files/file_ops.h"
#include "files/rtf_writer.h"
#include "win/controls.h"
#include "win/message_box.h"

namespace gearpair::win {

namespace {

// The report is saved under its bare name, into the process's current directory.
constexpr char kReportFileName[] = "result.rtf";

}  // namespace

TFormB::TFormB(GearSession& session) : session_(session), font_(MakeFormFont(11)) {
    Create(L"GearpairFormB", L"Подробности расчёта", WS_OVERLAPPEDWINDOW, 0, Scaled(528),
           Scaled(336), nullptr);
    // Where the details window has always opened, off the centre where the other two sit.
    SetWindowPos(hwnd_, nullptr, Scaled(213), Scaled(125), Scaled(544), Scaled(375),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    rtf_ = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                               ES_AUTOVSCROLL | ES_NOHIDESEL | ES_DISABLENOSCROLL,
                           0, 0, 0, 0, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(rtf_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
    RECT client{};
    GetClientRect(hwnd_, &client);
    MoveWindow(rtf_, 0, 0, client.right, client.bottom, FALSE);

    popupMenu1_ = CreatePopupMenu();
    AppendMenuW(popupMenu1_, MF_STRING, kClose1, L"Close");
    AppendMenuW(popupMenu1_, MF_STRING, kMaximize1, L"Maximize");
    AppendMenuW(popupMenu1_, MF_STRING, kSave1, L"Save");
}

TFormB::~TFormB() {
    DestroyMenu(popupMenu1_);
    DeleteObject(font_);
}

void TFormB::ShowReport() {
    // The control reads the RTF as the 8-bit text it is: ASCII, Cyrillic in code-page escapes.
    const std::string rtf = ReportToRtf(session_.report.Lines());
    SETTEXTEX how{ST_DEFAULT, CP_ACP};
    SendMessageW(rtf_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(rtf.c_str()));
    SendMessageW(rtf_, EM_SETMODIFY, FALSE, 0);
}

void TFormB::TakeEdits() {
    if (!SendMessageW(rtf_, EM_GETMODIFY, 0, 0)) return;
    const std::vector<std::string> lines = ReportLines();
    session_.report.Clear();
    for (const std::string& line : lines) session_.report.Add(line);
    SendMessageW(rtf_, EM_SETMODIFY, FALSE, 0);
}

std::vector<std::string> TFormB::ReportLines() const {
    // An unedited control holds the session's report exactly.
    if (!SendMessageW(rtf_, EM_GETMODIFY, 0, 0)) return session_.report.Lines();
    GETTEXTLENGTHEX size{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto length = SendMessageW(rtf_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&size), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GETTEXTEX how{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                  nullptr};
    text.resize(
        static_cast<std::size_t>(SendMessageW(rtf_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                              reinterpret_cast<LPARAM>(text.data()))));
    // Paragraphs end in CR; the last paragraph mark is the document's own, not a line.
    if (!text.empty() && text.back() == L'\r') text.pop_back();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L'\r', start)) != std::wstring::npos; start = end + 1) {
        lines.push_back(Narrow(std::wstring_view(text).substr(start, end - start)));
    }
    lines.push_back(Narrow(std::wstring_view(text).substr(start)));
    return lines;
}

void TFormB::ShowInFront() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
}

void TFormB::Save1Click() {
    try {
        ReplaceFileAtomically(kReportFileName, ReportToRtf(ReportLines()), kReportFileName);
    } catch (const std::exception& error) {
        ShowErrorBox(hwnd_, error.what());
    }
}

LRESULT TFormB::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            MoveWindow(rtf_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == rtf_) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (at.x == -1 && at.y == -1) {  // from the keyboard: the control's corner
                    at = {0, 0};
                    ClientToScreen(rtf_, &at);
                }
                TrackPopupMenu(popupMenu1_, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
                return 0;
            }
            break;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kClose1:
                    ShowWindow(hwnd_, SW_HIDE);
                    return 0;
                case kMaximize1:
                    ShowWindow(hwnd_, SW_MAXIMIZE);
                    return 0;
                case kSave1:
                    Save1Click();
                    return 0;
                default:
                    break;
            }
            break;
        case WM_CLOSE:
            // Closing hides the window; the next run shows its report in it again.
            ShowWindow(hwnd_, SW_HIDE);
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace gearpair::win
