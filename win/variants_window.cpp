// The variants window.
#include "win/variants_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <exception>

#include "app/form_variants.h"
#include "app/variant_table.h"
#include "app/variant_window_table.h"
#include "app/window_placement.h"
#include "files/file_ops.h"
#include "win/controls.h"
#include "win/message_box.h"
#include "win/variant_plot.h"

namespace gearpair::win {

namespace {

// The table's widths are fitted to this many first rows (one round of the hardness list).
constexpr int kFittedRows = 14;

HFONT BoldOf(HFONT font) {
    LOGFONTW bold{};
    GetObjectW(font, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&bold);
}

}  // namespace

VariantsWindow::VariantsWindow(HWND form, ChosenHandler chosen)
    : form_(form), chosen_(std::move(chosen)), font_(MakeFormFont(11)), bold_(BoldOf(font_)) {
    Create(L"GearpairVariants", L"Варианты", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
           WS_EX_CONTROLPARENT, Scaled(1000), Scaled(700), form);
    summary_ =
        AddControl(hwnd_, WC_STATIC, L"", SS_LEFT | SS_NOPREFIX, RECT{8, 8, 9, 9}, -1, font_);
    table_ = AddControl(
        hwnd_, WC_LISTVIEW, L"",
        LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_BORDER,
        RECT{8, 40, 9, 41}, kTable, font_);
    ListView_SetExtendedListViewStyle(
        table_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    AddColumns();
    hint_ = AddControl(hwnd_, WC_STATIC,
                       L"Выберите строку или точку: её значения перейдут в окно ввода, OK "
                       L"рассчитает вариант.",
                       SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, RECT{8, 8, 9, 9}, -1, font_);
    exportButton_ = AddControl(hwnd_, WC_BUTTON, L"Сохранить CSV...", BS_PUSHBUTTON | WS_TABSTOP,
                               RECT{8, 8, 9, 9}, kExportButton, font_);
    closeButton_ = AddControl(hwnd_, WC_BUTTON, L"Закрыть", BS_PUSHBUTTON | WS_TABSTOP,
                              RECT{8, 8, 9, 9}, kCloseButton, font_);
    ArrangeControls();
}

VariantsWindow::~VariantsWindow() {
    DeleteObject(font_);
    DeleteObject(bold_);
}

void VariantsWindow::AddColumns() {
    // The first column of a list view keeps to the left: a placeholder takes its place while
    // the real ones are made, so that every column has its own alignment.
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 0;
    SendMessageW(table_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    int index = 1;
    for (const VariantColumnName& name : VariantWindowColumns()) {
        std::wstring caption = Wide(name.caption);
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = name.column == VariantColumn::Message || name.column == VariantColumn::Pareto
                         ? LVCFMT_CENTER
                         : LVCFMT_RIGHT;
        column.pszText = caption.data();
        column.cx = Scaled(60);
        column.iSubItem = index - 1;
        SendMessageW(table_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&column));
        ++index;
    }
    SendMessageW(table_, LVM_DELETECOLUMN, 0, 0);
}

void VariantsWindow::FitColumns() {
    const HDC dc = GetDC(table_);
    const HGDIOBJ old = SelectObject(dc, bold_);
    const auto width = [dc](const std::string& text) {
        const std::wstring wide = Wide(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    const auto columns = VariantWindowColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        int widest = width(std::string(columns[c].caption)) + Scaled(24);  // and the sort arrow
        const std::size_t rows = std::min<std::size_t>(order_.size(), kFittedRows);
        for (std::size_t r = 0; r < rows; ++r) {
            widest =
                std::max(widest, width(VariantWindowCell(variants_[order_[r]], columns[c].column)));
        }
        SendMessageW(table_, LVM_SETCOLUMNWIDTH, c, widest + Scaled(14));
    }
    SelectObject(dc, old);
    ReleaseDC(table_, dc);
}

void VariantsWindow::ArrangeControls() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int margin = Scaled(8);
    const int width = client.right - 2 * margin;
    const int summaryHeight = Scaled(34);
    const int buttonHeight = Scaled(25);
    const int buttonsTop = client.bottom - margin - buttonHeight;
    const int top = margin + summaryHeight + Scaled(4);
    const int bottom = buttonsTop - Scaled(6);
    const int height = std::max(1, bottom - top);
    MoveWindow(summary_, margin, margin, width, summaryHeight, TRUE);
    // Table and plot side by side on a wide window, the one over the other on a tall one.
    RECT table{margin, top, margin + width, bottom};
    if (width > 2 * height) {
        table.right = margin + width * 11 / 20;
        plot_ = RECT{table.right + margin, top, margin + width, bottom};
    } else {
        table.bottom = top + height / 2;
        plot_ = RECT{margin, table.bottom + margin, margin + width, bottom};
    }
    MoveWindow(table_, table.left, table.top, table.right - table.left, table.bottom - table.top,
               TRUE);
    const int closeWidth = Scaled(90);
    const int exportWidth = Scaled(130);
    MoveWindow(closeButton_, client.right - margin - closeWidth, buttonsTop, closeWidth,
               buttonHeight, TRUE);
    MoveWindow(exportButton_, client.right - 2 * margin - closeWidth - exportWidth, buttonsTop,
               exportWidth, buttonHeight, TRUE);
    MoveWindow(hint_, margin, buttonsTop,
               std::max(1, width - closeWidth - exportWidth - 2 * margin), buttonHeight, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void VariantsWindow::Search(const DesignInputs& form) {
    fixed_ = form;
    FormVariants found = SearchFormVariants(form);
    SetWindowTextW(summary_, Wide(FormVariantsSummary(form, found.variants)).c_str());
    variants_ = std::move(found.variants);
    current_ = found.current;
    layout_.SetVariants(variants_, current_);
    sortColumn_ = -1;
    descending_ = false;
    order_.resize(variants_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    const HWND header = ListView_GetHeader(table_);
    for (int c = 0; c < Header_GetItemCount(header); ++c) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, c, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        Header_SetItem(header, c, &item);
    }
    ListView_SetItemState(table_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(table_, static_cast<int>(variants_.size()), 0);
    FitColumns();
    InvalidateRect(table_, nullptr, TRUE);
    if (current_) ShowRow(*current_);
    InvalidateRect(hwnd_, &plot_, FALSE);
}

void VariantsWindow::ShowBesideForm() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT form{};
    GetWindowRect(form_, &form);
    const FormSidePlacement place = PlaceBesideForm(
        ScreenRect{work.left, work.top, work.right - work.left, work.bottom - work.top},
        ScreenRect{form.left, form.top, form.right - form.left, form.bottom - form.top},
        ScreenPoint{Scaled(600), Scaled(400)}, ScreenPoint{Scaled(1240), Scaled(860)});
    if (place.formAt) {
        SetWindowPos(form_, nullptr, place.formAt->x, place.formAt->y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowPos(hwnd_, nullptr, place.frame.left, place.frame.top, place.frame.width,
                 place.frame.height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(table_);
}

std::optional<std::size_t> VariantsWindow::SelectedRow() const {
    const int item = ListView_GetNextItem(table_, -1, LVNI_SELECTED);
    if (item < 0 || static_cast<std::size_t>(item) >= order_.size()) return std::nullopt;
    return order_[static_cast<std::size_t>(item)];
}

void VariantsWindow::ShowRow(std::size_t row) {
    const auto found = std::find(order_.begin(), order_.end(), row);
    if (found == order_.end()) return;
    const int item = static_cast<int>(found - order_.begin());
    ListView_SetItemState(table_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(table_, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    // The row in the middle of the view.
    RECT bounds{};
    if (ListView_GetItemRect(table_, 0, &bounds, LVIR_BOUNDS) && bounds.bottom > bounds.top) {
        const int wantedTop = std::max(0, item - ListView_GetCountPerPage(table_) / 2);
        ListView_Scroll(table_, 0,
                        (wantedTop - ListView_GetTopIndex(table_)) * (bounds.bottom - bounds.top));
    }
    ListView_EnsureVisible(table_, item, FALSE);
    layout_.SetChosen(row);
    InvalidateRect(hwnd_, &plot_, FALSE);
}

void VariantsWindow::ChooseRow(std::size_t row) {
    if (chosen_ && row < variants_.size()) chosen_(VariantInputs(fixed_, variants_[row]));
}

void VariantsWindow::SortBy(int column) {
    if (column == sortColumn_) {
        descending_ = !descending_;
    } else {
        sortColumn_ = column;
        descending_ = false;
    }
    const std::optional<std::size_t> selected = SelectedRow();
    order_ = SortedVariantRows(
        variants_, VariantWindowColumns()[static_cast<std::size_t>(column)].column, descending_);
    const HWND header = ListView_GetHeader(table_);
    for (int c = 0; c < Header_GetItemCount(header); ++c) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, c, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (c == column) item.fmt |= descending_ ? HDF_SORTDOWN : HDF_SORTUP;
        Header_SetItem(header, c, &item);
    }
    InvalidateRect(table_, nullptr, TRUE);
    if (selected) ShowRow(*selected);
}

void VariantsWindow::PaintPlot(HDC dc) {
    const int width = plot_.right - plot_.left;
    const int height = plot_.bottom - plot_.top;
    if (width <= 0 || height <= 0) return;
    // Painted off the screen first, then shown whole: no flicker while it is drawn.
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    PaintVariantPlot(memory, width, height, Scaled(1000) / 1000.0, layout_, font_, bold_);
    BitBlt(dc, plot_.left, plot_.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void VariantsWindow::ExportCsv() {
    wchar_t file[MAX_PATH] = L"variants.csv";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd_;
    dialog.lpstrFilter = L"Таблицы CSV (*.csv)\0*.csv\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"Сохранить варианты";
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return;
    const std::string path = Narrow(file);
    try {
        ReplaceFileAtomically(path, VariantsCsv(fixed_, variants_), path);
    } catch (const std::exception& error) {
        ShowErrorBox(hwnd_, error.what());
    }
}

LRESULT VariantsWindow::OnNotify(const NMHDR& header, LPARAM lParam) {
    if (header.hwndFrom != table_) return 0;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
            if ((item.mask & LVIF_TEXT) && item.iItem >= 0 &&
                static_cast<std::size_t>(item.iItem) < order_.size() && item.cchTextMax > 0) {
                const auto columns = VariantWindowColumns();
                const std::wstring text =
                    item.iSubItem >= 0 && static_cast<std::size_t>(item.iSubItem) < columns.size()
                        ? Wide(VariantWindowCell(
                              variants_[order_[static_cast<std::size_t>(item.iItem)]],
                              columns[static_cast<std::size_t>(item.iSubItem)].column))
                        : std::wstring();
                lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
            }
            return 0;
        }
        case LVN_COLUMNCLICK:
            SortBy(reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
            return 0;
        case LVN_ITEMCHANGED: {
            const auto& change = *reinterpret_cast<NMLISTVIEW*>(lParam);
            if (change.iItem >= 0 && (change.uNewState & LVIS_SELECTED) &&
                !(change.uOldState & LVIS_SELECTED)) {
                layout_.SetChosen(order_[static_cast<std::size_t>(change.iItem)]);
                InvalidateRect(hwnd_, &plot_, FALSE);
            }
            return 0;
        }
        case NM_CLICK: {
            // Only the user's click (or Enter) on a row hands its inputs to the form: the keys
            // that move the selection leave the form as it is.
            const int item = reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem;
            if (item >= 0 && static_cast<std::size_t>(item) < order_.size()) {
                ChooseRow(order_[static_cast<std::size_t>(item)]);
            }
            return 0;
        }
        case NM_RETURN:
            if (const auto row = SelectedRow()) ChooseRow(*row);
            return 0;
        case NM_CUSTOMDRAW: {
            auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || draw.nmcd.dwItemSpec >= order_.size())
                return CDRF_DODEFAULT;
            const std::size_t row = order_[draw.nmcd.dwItemSpec];
            const bool current = current_ == row;
            if (current) {
                draw.clrTextBk = RGB(255, 236, 160);
            } else if (variants_[row].pareto) {
                draw.clrTextBk = RGB(214, 230, 250);
            }
            if (current || variants_[row].pareto) {
                SelectObject(draw.nmcd.hdc, bold_);
                return CDRF_NEWFONT;
            }
            return CDRF_DODEFAULT;
        }
        default:
            return 0;
    }
}

LRESULT VariantsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            ArrangeControls();
            return 0;
        case WM_GETMINMAXINFO: {
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            limits.ptMinTrackSize = {Scaled(600), Scaled(400)};
            return 0;
        }
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:  // Enter
                    if (GetFocus() == table_) {
                        if (const auto row = SelectedRow()) ChooseRow(*row);
                    } else if (GetFocus() == exportButton_) {
                        ExportCsv();
                    } else if (GetFocus() == closeButton_) {
                        ShowWindow(hwnd_, SW_HIDE);
                    }
                    return 0;
                case IDCANCEL:  // Escape
                case kCloseButton:
                    ShowWindow(hwnd_, SW_HIDE);
                    return 0;
                case kExportButton:
                    ExportCsv();
                    return 0;
                default:
                    return 0;
            }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) ShowWindow(hwnd_, SW_HIDE);
            return 0;
        case WM_LBUTTONDOWN: {
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&plot_, at)) {
                const double scale = Scaled(1000) / 1000.0;
                const PlotRect area = VariantPlotLayout::Area(plot_.right - plot_.left,
                                                              plot_.bottom - plot_.top, scale);
                if (const auto row = layout_.VariantAtPixel({static_cast<double>(at.x - plot_.left),
                                                             static_cast<double>(at.y - plot_.top)},
                                                            area, scale)) {
                    ShowRow(*row);
                    ChooseRow(*row);
                }
            }
            return 0;
        }
        case WM_ERASEBKGND: {
            // Everything but the plot, which is painted whole.
            const auto dc = reinterpret_cast<HDC>(wParam);
            const int saved = SaveDC(dc);
            ExcludeClipRect(dc, plot_.left, plot_.top, plot_.right, plot_.bottom);
            RECT client{};
            GetClientRect(hwnd_, &client);
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
            RestoreDC(dc, saved);
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd_, &paint);
            PaintPlot(dc);
            EndPaint(hwnd_, &paint);
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
