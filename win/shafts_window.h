// The shafts window "Валы и подшипники": the status line of the bearings' life, then one tab per
// shaft with its figure, its table of steps, keys, bearings and sections, and its four distance
// fields (Enter designs the shafts again with them); the buttons that save the four figures into
// a folder and the calculation as RTF. It shows the last completed run's design.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/shafts_view.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"
#include "win/sheet_view.h"
#include "win/window.h"

namespace gearpair::win {

class ShaftsWindow : public Window {
public:
    // Hidden until shown beside a dialog; `owner` keeps it above the input form.
    explicit ShaftsWindow(HWND owner);
    ~ShaftsWindow() override;

    // The design of a completed run: its shafts are designed with the sketch's distances and
    // shown at once when the window is open.
    void SetDesign(const TGearDesign& design, const DesignProducts& products,
                   std::uint8_t arrangement);
    // A run that ended without a design: the window forgets the shafts and hides.
    void Clear();

    // Shows the window beside `dialog` as the drawing window goes (app/window_placement.h), or
    // brings it to the front where it is.
    void ShowBeside(HWND dialog);

    // Control identifiers, for the window tests.
    enum Id : int {
        kTabs = 4001,
        kInputTable = 4010,
        kOutputTable,
        kFirstField = 4020,  // the input shaft's four fields, then the output shaft's
        kSaveFigures = 4030,
        kSaveRtf,
    };

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The controls of one shaft's tab.
    struct Page {
        Shaft shaft = Shaft::Input;
        ShaftTab tab;
        SheetView figure;
        HWND table = nullptr;
        std::array<HWND, kShaftFields.size()> labels{};
        std::array<HWND, kShaftFields.size()> fields{};
        std::vector<int> rowKinds;  // of the table's rows: RowKind
    };
    enum RowKind : int { kDataRow, kTitleRow, kHeadingRow };

    void MakePage(Page& page, Shaft shaft, int tableId, int firstField);
    void Refresh();
    void FillPage(Page& page, bool keepTypedTexts);
    void FitColumns(const Page& page);
    void Layout();
    void ShowTab(int index);
    void ApplyFields(Page& page, HWND field);
    void SaveFigures();
    void SaveRtf();
    void Hide();
    Page* PageOfField(HWND field);
    LRESULT CustomDraw(const Page& page, NMLVCUSTOMDRAW& draw) const;
    bool Key(HWND control, WPARAM key);
    static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR data);

    std::optional<ShaftsView> view_;
    std::string failure_;  // why the shafts cannot be shown, when there is no view
    bool stale_ = false;   // the tabs show an earlier design: filled when next shown
    HFONT font_;
    HFONT bold_;
    HBRUSH warningBrush_;
    bool shown_ = false;    // the tabs show shafts
    bool warning_ = false;  // the status line tells of a shortfall
    HWND status_ = nullptr;
    HWND tabs_ = nullptr;
    HWND saveFigures_ = nullptr;
    HWND saveRtf_ = nullptr;
    RECT statusBand_{};
    std::array<Page, 2> pages_;
    int tab_ = 0;
    std::vector<HWND> subclassed_;
};

}  // namespace gearpair::win
