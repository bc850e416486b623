// The input form.
#include "win/form_a.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "app/drawing_step.h"
#include "app/session_run.h"
#include "win/controls.h"
#include "win/documents_dir.h"
#include "win/drawing_window.h"
#include "win/form_b.h"
#include "win/form_d.h"
#include "win/message_box.h"
#include "win/pictures.h"
#include "win/shafts_window.h"
#include "win/variants_window.h"

namespace gearpair::win {

namespace {

// Posted when a typed field has lost the focus: the check runs once the focus change is
// complete, never inside it.
constexpr UINT kRunPendingExits = WM_APP + 1;

constexpr int kListWidth = 145;
constexpr int kListHeight = 21;
constexpr int kVisibleItems = 8;

template <std::size_t N>
void AddItems(HWND box, const std::array<std::string_view, N>& items) {
    for (const std::string_view item : items) {
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
}

void AddItem(HWND box, const std::wstring& item) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// The arrangement of each picture button, in the order of the buttons on the form.
constexpr int kArrangements[3] = {2, 3, 1};

}  // namespace

TFormA::TFormA(GearSession& session, TFormB& details, TFormD& results)
    : session_(session), details_(details), results_(results), font_(MakeFormFont(11)) {
    Create(L"GearpairFormA", Wide(kApplicationTitle).c_str(),
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_CONTROLPARENT,
           Scaled(536), Scaled(243), nullptr);

    label1_ = AddLabel(hwnd_, L"Передаточное отношение", 16, 8, font_);
    AddLabel(hwnd_, L"Передаваемая мощность, Вт", 16, 56, font_);
    const HWND speedCaption = AddLabel(hwnd_, L"Частота вращения шестерни (мин-1)", 16, 104, font_);
    AddLabel(hwnd_, L"Коэф-т ширины колеса", 208, 136, font_);
    AddLabel(hwnd_, L"Угол наклона зубьев", 368, 8, font_);
    AddLabel(hwnd_, L"Твёрдость материала колеса", 368, 56, font_);
    const HWND widest = AddLabel(hwnd_, L"Плановый срок службы (часы)", 368, 104, font_);
    // The form was laid out for a narrower face: it grows to show its longest right-hand
    // caption whole, with the same margin as on the left.
    RECT caption{};
    GetWindowRect(widest, &caption);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&caption), 2);
    const int width = std::max(Scaled(536), static_cast<int>(caption.right) + Scaled(16));
    RECT outer{0, 0, width, Scaled(243)};
    AdjustWindowRectEx(&outer, GetWindowLongW(hwnd_, GWL_STYLE), FALSE,
                       GetWindowLongW(hwnd_, GWL_EXSTYLE));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - outerWidth) / 2,
                 work.top + (work.bottom - work.top - outerHeight) / 2, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    // Made in tab order.
    const DesignInputs defaults;
    comboBox1_ = AddList(kComboBox1, 16, 24, false);
    AddItems(comboBox1_, kRatioTexts);
    comboBox4_ = AddList(kComboBox4, 200, 152, false);
    AddItems(comboBox4_, kWidthTexts);
    comboBox5_ = AddList(kComboBox5, 368, 72, true);
    AddItem(comboBox5_, Wide(defaults.hkolText));
    comboBox6_ = AddList(kComboBox6, 368, 24, false);
    AddItems(comboBox6_, kHelixTexts);
    comboBox7_ = AddList(kComboBox7, 368, 120, true);
    AddItems(comboBox7_, kLifeTexts);
    SendMessageW(comboBox7_, CB_SETCURSEL, kDefaultLifeItem, 0);
    comboBox2_ = AddList(kComboBox2, 16, 72, true);
    AddItem(comboBox2_, Wide(defaults.powerText));
    comboBox3_ = AddList(kComboBox3, 16, 120, true);
    AddItem(comboBox3_, Wide(defaults.nwText));
    // The typed fields show their one item; the fixed lists have no selection until the form
    // is first shown.
    for (const HWND box : {comboBox5_, comboBox2_, comboBox3_}) {
        SendMessageW(box, CB_SETCURSEL, 0, 0);
    }
    // The picture buttons, owner-drawn statics that report clicks, are one group of the tab
    // order after the speed: as radio buttons, Tab stops at the chosen one only and the arrow
    // keys move the choice. A click never takes the focus.
    const RECT places[3] = {{16, 184, 177, 233}, {184, 184, 345, 233}, {352, 184, 505, 233}};
    for (int i = 0; i < 3; ++i) {
        speedButtons_[i] =
            AddControl(hwnd_, WC_STATIC, L"", SS_OWNERDRAW | SS_NOTIFY | (i == 0 ? WS_GROUP : 0),
                       places[i], kSpeedButton2 + i, font_);
        SetWindowSubclass(speedButtons_[i], &TFormA::PictureProcedure, 0,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    ChooseArrangement(ChosenPicture(), false);
    // OK starts the next group, so that the arrows of the pictures' group stop at its end.
    bitBtn1_ = AddControl(hwnd_, WC_BUTTON, L"OK", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          RECT{224, 56, 224 + 81, 56 + 25}, kBitBtn1, font_);
    // The variant search's button, in the free place under OK, is the last stop of the tab order.
    variantsButton_ = AddControl(hwnd_, WC_BUTTON, L"Варианты", BS_PUSHBUTTON | WS_TABSTOP,
                                 RECT{224, 96, 224 + 81, 96 + 25}, kVariantsButton, font_);
    // Its right edge stays under OK's; its left clears the speed's caption, which runs past
    // OK's left edge in the Windows face.
    RECT speedRect{};
    GetWindowRect(speedCaption, &speedRect);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&speedRect), 2);
    const int variantsLeft = std::max(Scaled(224), static_cast<int>(speedRect.right) + Scaled(6));
    SetWindowPos(variantsButton_, nullptr, variantsLeft, Scaled(96),
                 Scaled(224 + 81) - variantsLeft, Scaled(25), SWP_NOZORDER | SWP_NOACTIVATE);

    typedBoxes_ = {{comboBox5_, TypedField::WheelHardness},
                   {comboBox7_, TypedField::ServiceLife},
                   {comboBox2_, TypedField::Power},
                   {comboBox3_, TypedField::PinionSpeed}};
}

TFormA::~TFormA() {
    for (const HWND button : speedButtons_) {
        RemoveWindowSubclass(button, &TFormA::PictureProcedure, 0);
    }
    DeleteObject(font_);
}

HWND TFormA::AddList(int id, int left, int top, bool editable) {
    // The height of a combo box's window includes its open list.
    const HWND box = AddControl(
        hwnd_, WC_COMBOBOX, L"",
        (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) | WS_VSCROLL | WS_TABSTOP,
        RECT{left, top, left + kListWidth, top + kListHeight + kVisibleItems * 16}, id, font_);
    SendMessageW(box, CB_SETMINVISIBLE, kVisibleItems, 0);
    return box;
}

void TFormA::FormShow() {
    if (shown_) return;
    shown_ = true;
    SetFocus(bitBtn1_);
    SendMessageW(comboBox1_, CB_SETCURSEL, kDefaultRatioItem, 0);
    SendMessageW(comboBox4_, CB_SETCURSEL, kDefaultWidthItem, 0);
    SendMessageW(comboBox6_, CB_SETCURSEL, kDefaultHelixItem, 0);
    session_.design.baseDir = DesktopProgramDirectory();
}

const TFormA::TypedBox* TFormA::TypedBoxOf(HWND box) const {
    for (const TypedBox& typed : typedBoxes_) {
        if (typed.box == box) return &typed;
    }
    return nullptr;
}

bool TFormA::RunPendingExits() {
    if (validating_) return false;
    while (!pendingExits_.empty()) {
        const HWND box = pendingExits_.front();
        pendingExits_.erase(pendingExits_.begin());
        // Only a move to another control of the form is the user leaving the field; a box
        // opening or a switch to another window is not.
        const HWND next = GetFocus();
        if (!next || next == box || !IsChild(hwnd_, next) || IsChild(box, next)) continue;
        if (!ValidateField(*TypedBoxOf(box))) return false;
    }
    return true;
}

bool TFormA::ValidateField(const TypedBox& typed) {
    const std::wstring text = WindowText(typed.box);
    if (const auto message = ValidateTypedInput(typed.field, Narrow(text))) {
        validating_ = true;
        // The field keeps the focus behind the message, not the control it was left for.
        SetFocus(typed.box);
        ShowMessageBox(hwnd_, *message);
        validating_ = false;
        SetFocus(typed.box);
        // The user stays in the field: fields left after this one are not checked now.
        pendingExits_.clear();
        return false;
    }
    // Whole text, letters in any case: " 6000" is a new item beside "6000".
    if (SendMessageW(typed.box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text.c_str())) == CB_ERR) {
        AddItem(typed.box, text);
    }
    return true;
}

bool TFormA::AcceptTypedFields() {
    if (!RunPendingExits()) return false;
    // A text that never went through validation must not reach a run either.
    for (const TypedBox& typed : typedBoxes_) {
        if (ValidateTypedInput(typed.field, Narrow(WindowText(typed.box)))) {
            return ValidateField(typed);
        }
    }
    return true;
}

DesignInputs TFormA::CollectInputs() const {
    DesignInputs inputs;
    inputs.uzText = Narrow(WindowText(comboBox1_));
    inputs.powerText = Narrow(WindowText(comboBox2_));
    inputs.nwText = Narrow(WindowText(comboBox3_));
    inputs.hkolText = Narrow(WindowText(comboBox5_));
    inputs.tText = Narrow(WindowText(comboBox7_));
    inputs.psibaIndex = static_cast<int>(SendMessageW(comboBox4_, CB_GETCURSEL, 0, 0));
    inputs.bettaText = Narrow(WindowText(comboBox6_));
    inputs.arrangement = arrangement_;
    return inputs;
}

void TFormA::ShowSessionOutputs() {
    details_.ShowReport();
    if (!session_.runCaption.empty()) SetLabel(label1_, Wide(session_.runCaption));
}

void TFormA::BitBtn1Click() {
    if (!AcceptTypedFields()) return;
    details_.TakeEdits();
    RunDesktopDesign(
        session_, CollectInputs(),
        {[this] { ShowSessionOutputs(); },
         [this] {
             if (drawings_) drawings_->Clear();
             if (shafts_) shafts_->Clear();
         },
         [this](const std::string& text) { ShowErrorBox(hwnd_, text); },
         [this](const std::string& text) { ShowMessageBox(hwnd_, text); },
         [this](const DesignProducts& products) {
             if (drawings_) {
                 MakeDrawings(products, static_cast<std::uint8_t>(arrangement_));
             }
             if (shafts_) {
                 shafts_->SetDesign(session_.design, products,
                                    static_cast<std::uint8_t>(arrangement_));
             }
         },
         [this](const SessionRun& run) {
             // OK in the results dialog ends the program.
             if (results_.Execute(hwnd_, run.status, run.outcome.results, run.warnings)) {
                 PostQuitMessage(0);
             }
         }});
}

void TFormA::MakeDrawings(const DesignProducts& products, std::uint8_t arrangement) {
    // The hand-off is complete: its files stay whatever happens to the drawings, and a failure
    // here leaves the results dialog to open after the error box.
    RunDrawings drawings = WriteRunDrawings(session_, products, drawings_->Inputs(), arrangement);
    if (!drawings.files.error.empty()) ShowErrorBox(hwnd_, drawings.files.error);
    drawings_->SetDrawings(std::move(drawings.files.drawings), std::move(drawings.warnings),
                           std::move(drawings.directory), session_.design, products);
}

void TFormA::VariantsButtonClick() {
    if (!AcceptTypedFields()) return;
    if (!variants_) {
        variants_ = std::make_unique<VariantsWindow>(
            hwnd_, [this](const DesignInputs& inputs) { TakeVariant(inputs); });
    }
    variants_->Search(CollectInputs());
    variants_->ShowBesideForm();
}

HWND TFormA::VariantsHandle() const {
    return variants_ ? variants_->Handle() : nullptr;
}

void TFormA::TakeVariant(const DesignInputs& inputs) {
    SendMessageW(comboBox4_, CB_SETCURSEL, static_cast<WPARAM>(inputs.psibaIndex), 0);
    const std::wstring helix = Wide(inputs.bettaText);
    SendMessageW(
        comboBox6_, CB_SETCURSEL,
        static_cast<WPARAM>(SendMessageW(comboBox6_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(helix.c_str()))),
        0);
    const std::wstring hardness = Wide(inputs.hkolText);
    LRESULT item = SendMessageW(comboBox5_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(hardness.c_str()));
    if (item == CB_ERR) {
        item =
            SendMessageW(comboBox5_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(hardness.c_str()));
    }
    SendMessageW(comboBox5_, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

int TFormA::ChosenPicture() const {
    return static_cast<int>(
        std::find(std::begin(kArrangements), std::end(kArrangements), arrangement_) -
        std::begin(kArrangements));
}

void TFormA::ChooseArrangement(int index, bool focus) {
    arrangement_ = kArrangements[index];
    // The chosen picture is the group's only stop of the tab order.
    for (int i = 0; i < 3; ++i) {
        const LONG style = GetWindowLongW(speedButtons_[i], GWL_STYLE);
        SetWindowLongW(speedButtons_[i], GWL_STYLE,
                       i == index ? style | WS_TABSTOP : style & ~WS_TABSTOP);
        InvalidateRect(speedButtons_[i], nullptr, FALSE);
    }
    if (focus) SetFocus(speedButtons_[index]);
}

LRESULT CALLBACK TFormA::PictureProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR data) {
    auto& form = *reinterpret_cast<TFormA*>(data);
    switch (message) {
        case WM_GETDLGCODE:
            // The arrows are the group's own, not the dialog navigation's.
            return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTARROWS;
        case WM_KEYDOWN: {
            const int index = form.ChosenPicture();
            if (wParam == VK_LEFT || wParam == VK_RIGHT) {
                // The ends do not wrap round.
                const int next = index + (wParam == VK_RIGHT ? 1 : -1);
                if (next >= 0 && next < 3) form.ChooseArrangement(next, true);
                return 0;
            }
            break;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The focus rectangle comes and goes with the focus.
            InvalidateRect(button, nullptr, FALSE);
            break;
        default:
            break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

LRESULT TFormA::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            const auto control = reinterpret_cast<HWND>(lParam);
            if (code == CBN_KILLFOCUS && TypedBoxOf(control) && !validating_) {
                if (pendingExits_.empty()) PostMessageW(hwnd_, kRunPendingExits, 0, 0);
                pendingExits_.push_back(control);
            } else if (id == kBitBtn1 && code == BN_CLICKED) {
                BitBtn1Click();
            } else if (id == kVariantsButton && code == BN_CLICKED) {
                VariantsButtonClick();
            } else if (id == IDOK && GetFocus() == bitBtn1_) {
                // Enter presses the focused button, as Space does; elsewhere it does nothing.
                BitBtn1Click();
            } else if (id == IDOK && GetFocus() == variantsButton_) {
                VariantsButtonClick();
            } else if (id >= kSpeedButton2 && id <= kSpeedButton4 && code == STN_CLICKED) {
                // The focus follows the choice when the group has it, so that it stays on the
                // group's one stop.
                const HWND focus = GetFocus();
                ChooseArrangement(id - kSpeedButton2,
                                  std::find(std::begin(speedButtons_), std::end(speedButtons_),
                                            focus) != std::end(speedButtons_));
            }
            return 0;
        }
        case kRunPendingExits:
            RunPendingExits();
            return 0;
        case WM_SETCURSOR: {
            // The form's buttons show the pointing hand; every other control keeps its own.
            const auto under = reinterpret_cast<HWND>(wParam);
            const bool button = under == bitBtn1_ || under == variantsButton_ ||
                                std::find(std::begin(speedButtons_), std::end(speedButtons_),
                                          under) != std::end(speedButtons_);
            if (button && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int index = static_cast<int>(item.CtlID) - kSpeedButton2;
            if (index < 0 || index > 2) break;
            // A static's item state never carries the focus.
            DRAWITEMSTRUCT state = item;
            if (GetFocus() == item.hwndItem) state.itemState |= ODS_FOCUS;
            PaintArrangementButton(state, kArrangements[index],
                                   kArrangements[index] == arrangement_);
            return TRUE;
        }
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace gearpair::win
