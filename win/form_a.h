// The input form: the seven input fields, the three arrangement buttons and the OK button
// that starts a design run. The main window of the program; closing it ends the program.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "engine/design_inputs.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"
#include "win/window.h"

namespace gearpair::win {

class DrawingWindow;
class ShaftsWindow;
class TFormB;
class TFormD;
class VariantsWindow;

class TFormA : public Window {
public:
    TFormA(GearSession& session, TFormB& details, TFormD& results);
    ~TFormA() override;

    // First showing: OK takes the focus, the fixed lists select their defaults and the
    // program directory is taken from the executable's path.
    void FormShow();

    // The window that shows the drawings of a completed run, which are written into its dwgN
    // with that window's title-block texts.
    void SetDrawingWindow(DrawingWindow& drawings) { drawings_ = &drawings; }
    // The window that shows the shafts of a completed run.
    void SetShaftsWindow(ShaftsWindow& shafts) { shafts_ = &shafts; }

    // OK: the design run, its drawings, then the results dialog; stop messages and errors in
    // their boxes.
    void BitBtn1Click();
    // "Варианты": the variant search for the form's inputs in its window beside the form; a
    // variant chosen there fills the width, helix and hardness fields.
    void VariantsButtonClick();
    // The variants window once made, for the keyboard of the message loop.
    HWND VariantsHandle() const;

    // Control identifiers, in tab order.
    enum Id : int {
        kComboBox1 = 1001,
        kComboBox4,
        kComboBox5,
        kComboBox6,
        kComboBox7,
        kComboBox2,
        kComboBox3,
        kSpeedButton2,
        kSpeedButton3,
        kSpeedButton4,
        kBitBtn1,
        kVariantsButton,
    };

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct TypedBox {
        HWND box;
        TypedField field;
    };

    HWND AddList(int id, int left, int top, bool editable);
    bool ValidateField(const TypedBox& typed);
    const TypedBox* TypedBoxOf(HWND box) const;
    bool RunPendingExits();
    bool AcceptTypedFields();
    DesignInputs CollectInputs() const;
    void ShowSessionOutputs();
    void MakeDrawings(const DesignProducts& products, std::uint8_t arrangement);
    void TakeVariant(const DesignInputs& inputs);
    // The index of the chosen picture button in speedButtons_.
    int ChosenPicture() const;
    // The arrangement of picture `index` chosen; the focus to it when `focus`.
    void ChooseArrangement(int index, bool focus);
    // The picture buttons' keys: Left and Right choose the neighbour.
    static LRESULT CALLBACK PictureProcedure(HWND button, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR data);

    GearSession& session_;
    TFormB& details_;
    TFormD& results_;
    DrawingWindow* drawings_ = nullptr;
    ShaftsWindow* shafts_ = nullptr;
    HFONT font_;
    bool shown_ = false;
    std::vector<HWND> pendingExits_;  // fields left for another control, oldest first
    bool validating_ = false;         // a validation message is open
    int arrangement_ = 3;             // the arrangement button that is down

    HWND label1_;
    HWND comboBox1_, comboBox2_, comboBox3_, comboBox4_, comboBox5_, comboBox6_, comboBox7_;
    HWND bitBtn1_;
    HWND variantsButton_;
    std::unique_ptr<VariantsWindow> variants_;  // made when first asked for
    HWND speedButtons_[3];                      // arrangements 2, 3, 1
    std::vector<TypedBox> typedBoxes_;
};

}  // namespace gearpair::win
