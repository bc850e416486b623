// The input form: the seven input fields, the three arrangement buttons and the OK button
// that starts a design run. The main window of the program.
#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>

#include <vector>

#include "engine/design_inputs.h"
#include "engine/design_products.h"
#include "engine/design_run.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace gearpair {

class DrawingWindow;
class ShaftsWindow;
class VariantsWindow;
class TFormB;
class TFormD;

class TFormA : public QWidget {
    Q_OBJECT

public:
    // `executablePath` gives the program directory for the hand-off files.
    TFormA(GearSession& session, QString executablePath, QWidget* parent = nullptr);

    // The details window that shows the report and the results dialog of a finished run.
    void SetResultWindows(TFormB& details, TFormD& results);
    // The window that shows the sheets of a finished run; with it, every finished run also
    // writes its drawings into the run's drawing directory.
    void SetDrawingWindow(DrawingWindow& drawings);
    // The window that shows the shafts of a finished run, designed for its arrangement.
    void SetShaftsWindow(ShaftsWindow& shafts);

    // First showing: OK takes the focus, the fixed lists select their defaults and the
    // program directory is taken from the executable's path (the user's documents folder for
    // an installed program).
    void FormShow();

    // Validation of a typed field when the focus has moved to another control of the form:
    // false, after the message and with the focus back in the field, for a rejected text;
    // an accepted text becomes an item of the list unless it is one already.
    bool ComboBox2Exit();
    bool ComboBox3Exit();
    bool ComboBox5Exit();
    bool ComboBox7Exit();

    // OK: the design run, then the results dialog; stop messages and errors in their boxes.
    void BitBtn1Click();

    // "Варианты": the variant search for the form's inputs in its window; a variant chosen
    // there fills the width, helix and hardness fields.
    void VariantsButtonClick();
    VariantsWindow* Variants() const { return variants_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TypedBox {
        QComboBox* box;
        TypedField field;
    };

    QComboBox* AddList(const char* name, int left, int top, bool editable);
    bool ValidateField(const TypedBox& typed);
    bool ExitField(QComboBox* box);
    bool RunPendingExits();
    bool AcceptTypedFields();
    DesignInputs CollectInputs() const;
    void ShowSessionOutputs();
    // The sheets of the finished run into the drawing window and their files into the run's
    // drawing directory, both with the title-block texts of the window's fields, a gear shaft
    // drawn whole for the run's arrangement; a failure goes to the error box.
    void MakeDrawings(const DesignProducts& products, std::uint8_t arrangement);
    void TakeVariant(const DesignInputs& inputs);

    GearSession& session_;
    QString executablePath_;
    TFormB* details_ = nullptr;
    TFormD* results_ = nullptr;
    DrawingWindow* drawings_ = nullptr;
    ShaftsWindow* shafts_ = nullptr;
    bool shown_ = false;
    // Fields left for another control whose validation has not run yet, oldest first.
    std::vector<QComboBox*> pendingExits_;
    bool validating_ = false;  // a validation message is open

    QLabel* Label1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QComboBox* ComboBox4;
    QComboBox* ComboBox5;
    QComboBox* ComboBox6;
    QComboBox* ComboBox7;
    QPushButton* BitBtn1;
    QPushButton* variantsButton_;
    VariantsWindow* variants_ = nullptr;  // made when first asked for
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QButtonGroup* arrangementGroup_;
    std::vector<TypedBox> typedBoxes_;  // in tab order
};

}  // namespace gearpair
