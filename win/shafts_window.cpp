// The shafts window.
#include "win/shafts_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shobjidl.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "win/controls.h"
#include "win/message_box.h"

namespace gearpair::win {

namespace {

// The window's usual client size (the figure beside the table) and the least width it takes
// beside a dialog, and the gap between them, logical pixels.
constexpr int kPreferredWidth = 1140;
constexpr int kPreferredHeight = 700;
constexpr int kLeastWidth = 480;
constexpr int kGap = 8;

// Margins, the fields' and buttons' sizes, logical pixels.
constexpr int kMargin = 8;
constexpr int kStatusMargin = 6;
constexpr int kFieldHeight = 22;
constexpr int kFieldWidth = 90;
constexpr int kFieldSpacing = 6;
constexpr int kButtonHeight = 25;
constexpr int kCellPadding = 14;
// The least width of the figure beside the table; on a narrower window the figure goes above
// the table.
constexpr int kLeastFigureWidth = 420;

const COLORREF kWarningBack = RGB(0xFF, 0xF4, 0xCE);
const COLORREF kWarningText = RGB(0x80, 0x20, 0x00);
const COLORREF kTitleBack = RGB(0xE4, 0xE8, 0xF0);
const COLORREF kHeadingText = RGB(0x60, 0x60, 0x60);

void Place(HWND control, int left, int top, int width, int height) {
    SetWindowPos(control, nullptr, left, top, std::max(width, 1), std::max(height, 1),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT BoldOf(HFONT font) {
    LOGFONTW bold{};
    GetObjectW(font, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&bold);
}

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

// A button's caption without its trailing dots, as the title of the box it opens.
std::wstring Caption(std::string_view buttonText) {
    while (!buttonText.empty() && buttonText.back() == '.') buttonText.remove_suffix(1);
    return Wide(buttonText);
}

// The folder the user picks in the system's folder dialog; nothing when cancelled.
std::optional<std::wstring> PickFolder(HWND owner, const std::wstring& title) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    std::optional<std::wstring> folder;
    IFileOpenDialog* dialog = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&dialog)))) {
        DWORD options = 0;
        dialog->GetOptions(&options);
        dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
        dialog->SetTitle(title.c_str());
        IShellItem* item = nullptr;
        if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&item))) {
            wchar_t* path = nullptr;
            if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
                folder = std::wstring(path);
                CoTaskMemFree(path);
            }
            item->Release();
        }
        dialog->Release();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return folder;
}

}  // namespace

ShaftsWindow::ShaftsWindow(HWND owner)
    : font_(MakeFormFont(11)), bold_(BoldOf(font_)), warningBrush_(CreateSolidBrush(kWarningBack)) {
    Create(L"GearpairShafts", Wide(kShaftsWindowTitle).c_str(),
           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, Scaled(kPreferredWidth),
           Scaled(kPreferredHeight), owner);
    status_ = AddControl(hwnd_, WC_STATIC, L"", SS_LEFT | SS_NOPREFIX, RECT{0, 0, 1, 1}, -1, font_);
    tabs_ = AddControl(hwnd_, WC_TABCONTROL, L"", WS_TABSTOP | WS_CLIPSIBLINGS, RECT{0, 0, 1, 1},
                       kTabs, font_);
    for (int i = 0; i < 2; ++i) {
        std::wstring name = Wide(ShaftName(i == 0 ? Shaft::Input : Shaft::Output));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    subclassed_.push_back(tabs_);
    // Made in tab order: each page's fields, its table and its figure; the buttons last.
    MakePage(pages_[0], Shaft::Input, kInputTable, kFirstField);
    MakePage(pages_[1], Shaft::Output, kOutputTable,
             kFirstField + static_cast<int>(kShaftFields.size()));
    saveFigures_ = AddControl(hwnd_, WC_BUTTON, Wide(kSaveShaftFiguresText),
                              BS_PUSHBUTTON | WS_TABSTOP, RECT{0, 0, 1, 1}, kSaveFigures, font_);
    saveRtf_ = AddControl(hwnd_, WC_BUTTON, Wide(kSaveShaftsRtfText), BS_PUSHBUTTON | WS_TABSTOP,
                          RECT{0, 0, 1, 1}, kSaveRtf, font_);
    subclassed_.push_back(saveFigures_);
    subclassed_.push_back(saveRtf_);
    for (const HWND control : subclassed_) {
        SetWindowSubclass(control, &ShaftsWindow::ControlProcedure, 0,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    Refresh();
}

ShaftsWindow::~ShaftsWindow() {
    for (const HWND control : subclassed_) {
        RemoveWindowSubclass(control, &ShaftsWindow::ControlProcedure, 0);
    }
    DeleteObject(font_);
    DeleteObject(bold_);
    DeleteObject(warningBrush_);
}

void ShaftsWindow::MakePage(Page& page, Shaft shaft, int tableId, int firstField) {
    page.shaft = shaft;
    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        page.labels[i] = AddLabel(hwnd_, Wide(ShaftFieldLabel(kShaftFields[i])), 0, 0, font_);
        page.fields[i] = AddControl(hwnd_, WC_EDIT, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                    RECT{0, 0, 1, 1}, firstField + static_cast<int>(i), font_);
        subclassed_.push_back(page.fields[i]);
    }
    // The groups' own title and heading rows stand for the list's header.
    page.table = AddControl(hwnd_, WC_LISTVIEW, L"",
                            LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                WS_TABSTOP | WS_BORDER,
                            RECT{0, 0, 1, 1}, tableId, font_);
    ListView_SetExtendedListViewStyle(
        page.table, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    subclassed_.push_back(page.table);
    page.figure.Make(hwnd_);
}

void ShaftsWindow::SetDesign(const TGearDesign& design, const DesignProducts& products,
                             std::uint8_t arrangement) {
    view_.reset();
    failure_.clear();
    try {
        view_.emplace(design, products, arrangement);
    } catch (const std::exception& error) {
        failure_ = error.what();
    }
    stale_ = true;
    if (IsWindowVisible(hwnd_)) Refresh();
}

void ShaftsWindow::Clear() {
    Hide();
    view_.reset();
    failure_.clear();
    stale_ = true;
}

void ShaftsWindow::Hide() {
    ShowWindow(hwnd_, SW_HIDE);
}

void ShaftsWindow::Refresh() {
    stale_ = false;
    shown_ = view_ && view_->HasShafts() && failure_.empty();
    if (shown_) {
        try {
            for (Page& page : pages_) FillPage(page, false);
        } catch (const std::exception& error) {
            // The figures need the drafting font beside the program.
            failure_ = error.what();
            shown_ = false;
        }
    }
    std::string status;
    if (shown_) {
        status = view_->StatusLine();
        warning_ = view_->Shafts().status != ShaftsStatus::Ok;
    } else {
        status = !failure_.empty() ? failure_ : view_ ? view_->Reason() : std::string();
        warning_ = !status.empty();
        for (Page& page : pages_) {
            page.figure.SetSheet(nullptr);
            ListView_DeleteAllItems(page.table);
            page.rowKinds.clear();
        }
    }
    SetWindowTextW(status_, Wide(status).c_str());
    ShowWindow(tabs_, shown_ ? SW_SHOW : SW_HIDE);
    EnableWindow(saveFigures_, shown_);
    EnableWindow(saveRtf_, shown_);
    ShowTab(tab_);
}

void ShaftsWindow::FillPage(Page& page, bool keepTypedTexts) {
    const ShaftTab before = std::move(page.tab);
    page.tab = view_->Tab(page.shaft);
    page.figure.SetSheet(&page.tab.figure);
    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        // A text typed and not yet applied stays.
        if (keepTypedTexts && Narrow(WindowText(page.fields[i])) != before.fieldTexts[i]) continue;
        SetWindowTextW(page.fields[i], Wide(page.tab.fieldTexts[i]).c_str());
    }

    SendMessageW(page.table, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(page.table);
    page.rowKinds.clear();
    std::size_t columns = 1;
    for (const ShaftTableGroup& group : page.tab.table) {
        columns = std::max(columns, group.headings.size());
    }
    const HWND header = ListView_GetHeader(page.table);
    while (static_cast<std::size_t>(Header_GetItemCount(header)) < columns) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_SUBITEM;
        column.iSubItem = Header_GetItemCount(header);
        column.cx = Scaled(60);
        ListView_InsertColumn(page.table, column.iSubItem, &column);
    }
    const auto addRow = [&page](const std::vector<std::string>& cells, RowKind kind) {
        const int row = static_cast<int>(page.rowKinds.size());
        std::wstring first = cells.empty() ? std::wstring() : Wide(cells[0]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = first.data();
        ListView_InsertItem(page.table, &item);
        for (std::size_t c = 1; c < cells.size(); ++c) {
            std::wstring text = Wide(cells[c]);
            ListView_SetItemText(page.table, row, static_cast<int>(c), text.data());
        }
        page.rowKinds.push_back(kind);
    };
    for (const ShaftTableGroup& group : page.tab.table) {
        addRow({group.title}, kTitleRow);
        addRow(group.headings, kHeadingRow);
        for (const std::vector<std::string>& row : group.rows) addRow(row, kDataRow);
    }
    FitColumns(page);
    SendMessageW(page.table, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(page.table, nullptr, TRUE);
}

void ShaftsWindow::FitColumns(const Page& page) {
    const HDC dc = GetDC(page.table);
    const HGDIOBJ old = SelectObject(dc, font_);
    std::vector<int> widths;
    for (const ShaftTableGroup& group : page.tab.table) {
        const auto measure = [&](const std::vector<std::string>& cells, HFONT font) {
            SelectObject(dc, font);
            if (widths.size() < cells.size()) widths.resize(cells.size(), 0);
            for (std::size_t c = 0; c < cells.size(); ++c) {
                widths[c] = std::max(widths[c], TextWidth(dc, Wide(cells[c])));
            }
        };
        measure({group.title}, bold_);
        measure(group.headings, font_);
        for (const std::vector<std::string>& row : group.rows) measure(row, font_);
    }
    SelectObject(dc, old);
    ReleaseDC(page.table, dc);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        ListView_SetColumnWidth(page.table, static_cast<int>(c), widths[c] + Scaled(kCellPadding));
    }
}

void ShaftsWindow::ShowBeside(HWND dialog) {
    if (stale_) Refresh();
    ShowBesideDialog(dialog, Scaled(kPreferredWidth), Scaled(kPreferredHeight), Scaled(kLeastWidth),
                     Scaled(kGap));
    SetFocus(IsWindowVisible(tabs_) ? tabs_ : saveRtf_);
}

void ShaftsWindow::Layout() {
    if (!saveRtf_) return;  // still making the controls
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int margin = Scaled(kMargin);
    const int width = client.right - 2 * margin;

    // The status line, wrapped to the width, in a band of the warning colour when the bearings
    // fall short.
    const std::wstring status = WindowText(status_);
    const int statusMargin = Scaled(kStatusMargin);
    const HDC dc = GetDC(status_);
    const HGDIOBJ old = SelectObject(dc, font_);
    RECT size{0, 0, std::max<LONG>(client.right - 2 * margin, 1), 0};
    DrawTextW(dc, status.empty() ? L" " : status.c_str(),
              status.empty() ? 1 : static_cast<int>(status.size()), &size,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    int labelWidth = 0;
    SelectObject(dc, font_);
    for (const ShaftField field : kShaftFields) {
        labelWidth = std::max(labelWidth, TextWidth(dc, Wide(ShaftFieldLabel(field))));
    }
    const int saveFiguresWidth = TextWidth(dc, Wide(kSaveShaftFiguresText)) + Scaled(24);
    const int saveRtfWidth = TextWidth(dc, Wide(kSaveShaftsRtfText)) + Scaled(24);
    SelectObject(dc, old);
    ReleaseDC(status_, dc);
    statusBand_ = RECT{0, 0, client.right, size.bottom + 2 * statusMargin};
    Place(status_, margin, statusMargin, client.right - 2 * margin, size.bottom);
    int top = statusBand_.bottom + Scaled(2);

    // The tab strip shows only the tabs' headers; each page's controls are below it.
    RECT header{};
    SendMessageW(tabs_, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&header));
    const int tabsHeight = header.bottom + Scaled(2);
    Place(tabs_, 0, top, client.right, tabsHeight);
    top += tabsHeight + margin;

    const int buttonHeight = Scaled(kButtonHeight);
    const int buttonsTop = client.bottom - margin - buttonHeight;
    Place(saveRtf_, client.right - margin - saveRtfWidth, buttonsTop, saveRtfWidth, buttonHeight);
    Place(saveFigures_, client.right - 2 * margin - saveRtfWidth - saveFiguresWidth, buttonsTop,
          saveFiguresWidth, buttonHeight);
    const int bottom = buttonsTop - margin;

    const int fieldHeight = Scaled(kFieldHeight);
    const int fieldsHeight = static_cast<int>(kShaftFields.size()) * fieldHeight +
                             static_cast<int>(kShaftFields.size() - 1) * Scaled(kFieldSpacing);
    for (Page& page : pages_) {
        int tableWidth = GetSystemMetrics(SM_CXVSCROLL) + Scaled(4);
        const HWND columns = ListView_GetHeader(page.table);
        for (int c = 0; c < Header_GetItemCount(columns); ++c) {
            tableWidth += ListView_GetColumnWidth(page.table, c);
        }
        const int fieldsWidth = labelWidth + margin + Scaled(kFieldWidth);
        const int paneWidth = std::max(tableWidth, fieldsWidth);
        RECT figure{};
        RECT pane{};
        if (width >= paneWidth + margin + Scaled(kLeastFigureWidth)) {
            // The figure on the left, the table and the fields on the right.
            pane = RECT{client.right - margin - paneWidth, top, client.right - margin, bottom};
            figure = RECT{margin, top, pane.left - margin, bottom};
        } else {
            // The figure above, the table and the fields under it, the whole width.
            const int figureHeight = (bottom - top - fieldsHeight - margin) * 45 / 100;
            figure = RECT{margin, top, client.right - margin, top + figureHeight};
            pane = RECT{margin, figure.bottom + margin, client.right - margin, bottom};
        }
        Place(page.figure.Handle(), figure.left, figure.top, figure.right - figure.left,
              figure.bottom - figure.top);
        const int fieldsTop = pane.bottom - fieldsHeight;
        Place(page.table, pane.left, pane.top, pane.right - pane.left,
              fieldsTop - margin - pane.top);
        for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
            const int rowTop =
                fieldsTop + static_cast<int>(i) * (fieldHeight + Scaled(kFieldSpacing));
            RECT label{};
            GetClientRect(page.labels[i], &label);
            Place(page.labels[i], pane.left, rowTop + (fieldHeight - label.bottom) / 2, label.right,
                  label.bottom);
            Place(page.fields[i], pane.left + labelWidth + margin, rowTop, Scaled(kFieldWidth),
                  fieldHeight);
        }
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ShaftsWindow::ShowTab(int index) {
    tab_ = index;
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    Layout();
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        const int show = shown_ && static_cast<int>(p) == index ? SW_SHOW : SW_HIDE;
        Page& page = pages_[p];
        ShowWindow(page.figure.Handle(), show);
        ShowWindow(page.table, show);
        for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
            ShowWindow(page.labels[i], show);
            ShowWindow(page.fields[i], show);
        }
    }
}

ShaftsWindow::Page* ShaftsWindow::PageOfField(HWND field) {
    for (Page& page : pages_) {
        if (std::find(page.fields.begin(), page.fields.end(), field) != page.fields.end()) {
            return &page;
        }
    }
    return nullptr;
}

void ShaftsWindow::ApplyFields(Page& page, HWND field) {
    if (!shown_) return;
    std::array<std::string, kShaftFields.size()> texts;
    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        texts[i] = Narrow(WindowText(page.fields[i]));
    }
    if (const std::optional<std::string> message = view_->ApplyFields(page.shaft, texts)) {
        // The typed texts stay for the user to put right.
        ShowErrorBox(hwnd_, *message);
        SetFocus(field);
        return;
    }
    try {
        // The other shaft's fields keep what was typed there and not yet applied.
        for (Page& other : pages_) FillPage(other, &other != &page);
    } catch (const std::exception& error) {
        failure_ = error.what();
        Refresh();
        return;
    }
    SetWindowTextW(status_, Wide(view_->StatusLine()).c_str());
    warning_ = view_->Shafts().status != ShaftsStatus::Ok;
    Layout();
    SendMessageW(field, EM_SETSEL, 0, -1);
}

void ShaftsWindow::SaveFigures() {
    if (!shown_) return;
    const std::optional<std::wstring> folder = PickFolder(hwnd_, Caption(kSaveShaftFiguresText));
    if (!folder) return;
    const ShaftFigureFiles files = view_->SaveFigures(Narrow(*folder));
    if (!files.error.empty()) ShowErrorBox(hwnd_, files.error);
}

void ShaftsWindow::SaveRtf() {
    if (!shown_) return;
    std::wstring file = Wide(kShaftsRtfName);
    file.resize(MAX_PATH, L'\0');
    // The filter: the name, then the pattern, each ending in a NUL, and one more at the end.
    std::wstring filter = L"Документ RTF (*.rtf)";
    filter += L'\0';
    filter += L"*.rtf";
    filter += L'\0';
    const std::wstring caption = Caption(kSaveShaftsRtfText);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = L"rtf";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) return;
    file.resize(file.find(L'\0'));
    try {
        view_->SaveRtf(Narrow(file));
    } catch (const std::exception& error) {
        ShowErrorBox(hwnd_, error.what());
    }
}

LRESULT ShaftsWindow::CustomDraw(const Page& page, NMLVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            const std::size_t row = draw.nmcd.dwItemSpec;
            const int kind = row < page.rowKinds.size() ? page.rowKinds[row] : kDataRow;
            if (kind == kTitleRow) {
                SelectObject(draw.nmcd.hdc, bold_);
                draw.clrTextBk = kTitleBack;
                return CDRF_NEWFONT;
            }
            if (kind == kHeadingRow) {
                draw.clrText = kHeadingText;
                return CDRF_NEWFONT;
            }
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

bool ShaftsWindow::Key(HWND control, WPARAM key) {
    switch (key) {
        case VK_ESCAPE:
            Hide();
            return true;
        case VK_TAB:
            // Through the shown controls as they were made; Shift+Tab back.
            SetFocus(GetNextDlgTabItem(hwnd_, control, GetKeyState(VK_SHIFT) < 0));
            return true;
        case VK_RETURN:
            if (Page* page = PageOfField(control)) {
                ApplyFields(*page, control);
                return true;
            }
            if (control == saveFigures_ || control == saveRtf_) {
                SendMessageW(control, BM_CLICK, 0, 0);
                return true;
            }
            return false;
        default:
            return false;
    }
}

LRESULT CALLBACK ShaftsWindow::ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& window = *reinterpret_cast<ShaftsWindow*>(data);
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(control, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (window.Key(control, wParam)) return 0;
            break;
        case WM_CHAR:
            // No beep for the keys taken above.
            if (wParam == L'\r' || wParam == L'\t' || wParam == 0x1B) return 0;
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT ShaftsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_GETMINMAXINFO: {
            auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
            info.ptMinTrackSize = POINT{Scaled(kLeastWidth), Scaled(400)};
            return 0;
        }
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
                ShowTab(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
                return 0;
            }
            if (header.code == NM_CUSTOMDRAW) {
                for (const Page& page : pages_) {
                    if (header.hwndFrom == page.table) {
                        return CustomDraw(page, *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
                    }
                }
            }
            break;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kSaveFigures) {
                SaveFigures();
            } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kSaveRtf) {
                SaveRtf();
            }
            return 0;
        case WM_KEYDOWN: {
            // From a figure: the window's keys, and the zoom of the shown figure.
            SheetView& figure = pages_[static_cast<std::size_t>(tab_)].figure;
            if (Key(GetFocus(), wParam)) return 0;
            if (wParam == VK_ADD || wParam == VK_OEM_PLUS) {
                figure.ZoomAtCursor(PaperZoom::kStep);
            } else if (wParam == VK_SUBTRACT || wParam == VK_OEM_MINUS) {
                figure.ZoomAtCursor(1 / PaperZoom::kStep);
            } else if (wParam == VK_HOME) {
                figure.Fit();
            }
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == status_ && warning_) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kWarningText);
                SetBkColor(dc, kWarningBack);
                return reinterpret_cast<LRESULT>(warningBrush_);
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd_, &ps);
            if (warning_) FillRect(dc, &statusBand_, warningBrush_);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_CLOSE:
            Hide();
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace gearpair::win
