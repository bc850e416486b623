// The drawing window "Чертежи": the engineer's title-block texts in a strip of fields, the
// wheel and pinion sheets of the last finished run on two tabs, each part's warnings in a line
// above its sheet, and the right-click menu that saves the shown sheet as DXF, PDF or SVG and
// fits it to the window. A changed title-block text draws both sheets again.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/design_texts.h"
#include "app/sheet_files.h"
#include "drawing/drawings.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"
#include "win/sheet_view.h"
#include "win/title_fields.h"
#include "win/window.h"

namespace gearpair::win {

class DrawingWindow : public Window {
public:
    // Hidden until shown beside a dialog; `owner` keeps it above the input form. The fields
    // show the texts remembered from the last session, or the defaults.
    explicit DrawingWindow(HWND owner);
    ~DrawingWindow() override;

    // The sheets of a run (its design and products, from which they are drawn again when a
    // title-block text changes), shown fitted, each part's warnings above its sheet, and the
    // run's drawing directory, where the save dialogs open. A pair that cannot be made has no
    // sheets: the window says why in place of the tabs.
    void SetDrawings(DrawingSet drawings, PartWarnings warnings, std::string directory,
                     const TGearDesign& design, const DesignProducts& products);
    // A run that ended without a design: the window forgets the sheets and hides.
    void Clear();

    // The title-block texts as last accepted: those of the sheets shown and of the next run's
    // drawings.
    const DrawingInputs& Inputs() const { return inputs_; }

    // Shows the window beside `dialog` on the side of the screen with more room (the dialog
    // moves to the screen's other edge when neither side has room for the window's usual
    // width), or brings it to the front where it is when it is shown already.
    void ShowBeside(HWND dialog);

    // Control identifiers (the menu's commands and the tabs), for the window tests.
    enum Id : int {
        kSaveDxf = 3001,
        kSavePdf,
        kSaveSvg,
        kFit,
        kTabs,
        kFirstField,  // the six title-block fields follow in order
    };

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Design {
        TGearDesign design;
        DesignProducts products;
    };

    void Layout();
    int LayoutFields(int width);
    void ShowTab(int index);
    void TakeTitleFields();
    void ShowFields(const DrawingInputs& inputs);
    void AskAndSave(SheetFileKind kind);
    void Key(WPARAM key);
    static LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR data);

    DrawingSet drawings_;
    bool hasDrawings_ = false;
    std::optional<Design> source_;
    DrawingInputs inputs_;
    std::string directory_;
    PartWarnings warnings_;
    HFONT font_;
    HBRUSH warningBrush_;
    TitleFields titleFields_;
    HWND tabs_ = nullptr;
    HWND warningLine_ = nullptr;
    RECT warningBand_{};
    std::string reason_;  // why the design has no sheets, shown in place of the tabs
    HWND reasonLine_ = nullptr;
    SheetView wheelView_;
    SheetView pinionView_;
    int tab_ = 0;
};

}  // namespace gearpair::win
