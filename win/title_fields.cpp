// The title-block fields.
#include "win/title_fields.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/title_texts.h"
#include "win/controls.h"

namespace gearpair::win {

namespace {

// Margins and spacing of the strip, and a field's height, logical pixels.
constexpr int kMarginX = 8;
constexpr int kMarginY = 6;
constexpr int kSpacingX = 6;
constexpr int kSpacingY = 4;
constexpr int kFieldHeight = 21;
// The least width of a field where even one column is too wide.
constexpr int kLeastField = 40;

int TextWidth(HWND control, const std::wstring& text) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

void Place(HWND control, int left, int top, int width, int height) {
    SetWindowPos(control, nullptr, left, top, std::max(width, 1), std::max(height, 1),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TitleFields::~TitleFields() {
    for (const HWND field : fields_) {
        if (field) RemoveWindowSubclass(field, &TitleFields::FieldProcedure, 0);
    }
}

void TitleFields::Make(HWND parent, HFONT font, int firstId) {
    parent_ = parent;
    firstId_ = firstId;
    // Made along the rows of the widest arrangement, which the tab order follows.
    for (std::size_t i = 0; i < kTitleFields.size(); ++i) {
        labels_[i] = AddLabel(parent, Wide(kTitleFields[i].label), 0, 0, font);
        fields_[i] = AddControl(parent, WC_EDIT, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                RECT{0, 0, 1, 1}, firstId + static_cast<int>(i), font);
        SetWindowSubclass(fields_[i], &TitleFields::FieldProcedure, 0,
                          reinterpret_cast<DWORD_PTR>(this));
        if (kTitleFields[i].field == TitleField::Material) {
            SendMessageW(fields_[i], EM_SETCUEBANNER, TRUE,
                         reinterpret_cast<LPARAM>(Wide(kMaterialHint).c_str()));
        }
    }
}

int TitleFields::Arrange(int width) {
    // The first arrangement whose labels and fields fit the width; the last one otherwise.
    const int margin = Scaled(kMarginX);
    const int spacing = Scaled(kSpacingX);
    std::array<int, 3> labels{};
    int columns = 0;
    std::size_t chosen = 0;
    for (; chosen < kTitleArrangements.size(); ++chosen) {
        labels = {};
        columns = 0;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const auto column = static_cast<std::size_t>(kTitleArrangements[chosen][i].column);
            labels[column] =
                std::max(labels[column], TextWidth(labels_[i], Wide(kTitleFields[i].label)));
            columns = std::max(columns, static_cast<int>(column) + 1);
        }
        int needed = 2 * margin + (2 * columns - 1) * spacing;
        for (int column = 0; column < columns; ++column) {
            needed += labels[static_cast<std::size_t>(column)] + Scaled(kTitleFieldWidth);
        }
        if (needed <= width || chosen + 1 == kTitleArrangements.size()) break;
    }
    // The fields share what the labels leave.
    int free = width - 2 * margin - (2 * columns - 1) * spacing;
    for (int column = 0; column < columns; ++column) {
        free -= labels[static_cast<std::size_t>(column)];
    }
    const int field = std::max(free / columns, Scaled(kLeastField));
    const int height = Scaled(kFieldHeight);
    int bottom = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const TitlePlace place = kTitleArrangements[chosen][i];
        int left = margin;
        for (int column = 0; column < place.column; ++column) {
            left += labels[static_cast<std::size_t>(column)] + field + 2 * spacing;
        }
        const int top = Scaled(kMarginY) + place.row * (height + Scaled(kSpacingY));
        RECT label{};
        GetClientRect(labels_[i], &label);
        Place(labels_[i], left, top + (height - label.bottom) / 2, label.right, label.bottom);
        Place(fields_[i], left + labels[static_cast<std::size_t>(place.column)] + spacing, top,
              field, height);
        bottom = std::max(bottom, top + height);
    }
    return bottom + Scaled(kMarginY);
}

void TitleFields::Show(const DrawingInputs& inputs) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        SetWindowTextW(fields_[i], Wide(TitleText(inputs, kTitleFields[i].field)).c_str());
    }
}

DrawingInputs TitleFields::Inputs() const {
    DrawingInputs inputs;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const std::string text = Narrow(WindowText(fields_[i]));
        CheckTitleText(kTitleFields[i].field, text);
        SetTitleText(inputs, kTitleFields[i].field, text);
    }
    return inputs;
}

LRESULT CALLBACK TitleFields::FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR data) {
    const auto& strip = *reinterpret_cast<const TitleFields*>(data);
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(field, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
                SendMessageW(strip.parent_, message, wParam, lParam);
                return 0;
            }
            if (wParam == VK_TAB) {
                // To the next field as they were made, along the rows of the widest strip;
                // Shift+Tab back.
                SetFocus(GetNextDlgTabItem(strip.parent_, field, GetKeyState(VK_SHIFT) < 0));
                return 0;
            }
            break;
        case WM_CHAR:
            // No beep for the keys taken above.
            if (wParam == L'\r' || wParam == L'\t' || wParam == 0x1B) return 0;
            break;
        default:
            break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace gearpair::win
