// The input form.
#include "ui/form_a.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <exception>
#include <optional>

#include "app/design_texts.h"
#include "app/drawing_step.h"
#include "app/session_run.h"
#include "ui/controls.h"
#include "ui/desktop_program_dir.h"
#include "ui/drawing_window.h"
#include "ui/fonts.h"
#include "ui/form_b.h"
#include "ui/form_d.h"
#include "ui/message_box.h"
#include "ui/pictures.h"
#include "ui/profile_tab.h"
#include "ui/shafts_window.h"
#include "ui/variants_window.h"

namespace gearpair {

namespace {

template <std::size_t N>
void AddItems(QComboBox* box, const std::array<std::string_view, N>& items) {
    for (const std::string_view item : items) {
        box->addItem(FromUtf8(item));
    }
}

QToolButton* AddArrangementButton(QWidget* parent, const char* name, int arrangement,
                                  const QRect& geometry) {
    auto* button = new PictureButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setCheckable(true);
    // As radio buttons: the chosen one is the group's stop in the tab order, and the arrow keys
    // move the choice (Qt's arrow keys walk auto-exclusive buttons whatever their focus policy).
    button->setAutoExclusive(true);
    button->setFocusPolicy(Qt::TabFocus);  // until the tab order is set: NoFocus is left out
    button->setCursor(Qt::PointingHandCursor);
    button->setIcon(ArrangementIcon(arrangement));
    button->setIconSize(kArrangementPictureSize);
    return button;
}

// Moves that take the focus to another control of the form; a message box opening, a popup
// or a switch to another window are not a user leaving the field.
bool LeavesForAnotherControl(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        default:
            return false;
    }
}

}  // namespace

TFormA::TFormA(GearSession& session, QString executablePath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      session_(session),
      executablePath_(std::move(executablePath)) {
    setObjectName(QStringLiteral("FormA"));
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setFont(FormFont(11));
    setFixedSize(536, 243);
    move(screen()->availableGeometry().center() - rect().center());

    Label1 = AddLabel(this, "Label1", QStringLiteral("Передаточное отношение"), 16, 8);
    ComboBox1 = AddList("ComboBox1", 16, 24, false);
    AddItems(ComboBox1, kRatioTexts);
    const DesignInputs defaults;
    AddLabel(this, "Label2", QStringLiteral("Передаваемая мощность, Вт"), 16, 56);
    ComboBox2 = AddList("ComboBox2", 16, 72, true);
    ComboBox2->addItem(QString::fromStdString(defaults.powerText));
    AddLabel(this, "Label3", QStringLiteral("Частота вращения шестерни (мин-1)"), 16, 104);
    ComboBox3 = AddList("ComboBox3", 16, 120, true);
    ComboBox3->addItem(QString::fromStdString(defaults.nwText));
    AddLabel(this, "Label4", QStringLiteral("Коэф-т ширины колеса"), 208, 136);
    ComboBox4 = AddList("ComboBox4", 200, 152, false);
    AddItems(ComboBox4, kWidthTexts);
    ComboBox4->setToolTip(
        QStringLiteral("Выберите коэффициент ширины колеса относительно межосевого расстояния"));
    AddLabel(this, "Label6", QStringLiteral("Угол наклона зубьев"), 368, 8);
    ComboBox6 = AddList("ComboBox6", 368, 24, false);
    AddItems(ComboBox6, kHelixTexts);
    AddLabel(this, "Label5", QStringLiteral("Твёрдость материала колеса"), 368, 56);
    ComboBox5 = AddList("ComboBox5", 368, 72, true);
    ComboBox5->addItem(QString::fromStdString(defaults.hkolText));
    AddLabel(this, "Label7", QStringLiteral("Плановый срок службы (часы)"), 368, 104);
    ComboBox7 = AddList("ComboBox7", 368, 120, true);
    AddItems(ComboBox7, kLifeTexts);
    ComboBox7->setCurrentIndex(static_cast<int>(kDefaultLifeItem));

    // The fixed lists have no selection until the form is first shown.
    for (QComboBox* box : {ComboBox1, ComboBox4, ComboBox6}) box->setCurrentIndex(-1);

    BitBtn1 = new QPushButton(CheckMarkIcon(), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(224, 56, 81, 25);
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setAutoDefault(true);  // Enter presses the focused button, as Space does
    connect(BitBtn1, &QPushButton::clicked, this, &TFormA::BitBtn1Click);

    SpeedButton2 = AddArrangementButton(this, "SpeedButton2", 2, QRect(16, 184, 161, 49));
    SpeedButton3 = AddArrangementButton(this, "SpeedButton3", 3, QRect(184, 184, 161, 49));
    SpeedButton4 = AddArrangementButton(this, "SpeedButton4", 1, QRect(352, 184, 153, 49));
    arrangementGroup_ = new QButtonGroup(this);
    arrangementGroup_->setExclusive(true);
    for (QToolButton* button : {SpeedButton2, SpeedButton3, SpeedButton4}) {
        arrangementGroup_->addButton(button);
    }
    // Only the chosen picture takes the focus from Tab, and never from a click.
    connect(arrangementGroup_, &QButtonGroup::buttonToggled, this,
            [](QAbstractButton* button, bool checked) {
                button->setFocusPolicy(checked ? Qt::TabFocus : Qt::NoFocus);
            });
    SpeedButton3->setChecked(true);

    typedBoxes_ = {{ComboBox5, TypedField::WheelHardness},
                   {ComboBox7, TypedField::ServiceLife},
                   {ComboBox2, TypedField::Power},
                   {ComboBox3, TypedField::PinionSpeed}};
    for (const TypedBox& typed : typedBoxes_) typed.box->installEventFilter(this);

    // The variant search's button, in the free place under OK, is the last stop of the tab order.
    variantsButton_ = new QPushButton(QStringLiteral("Варианты"), this);
    variantsButton_->setObjectName(QStringLiteral("VariantsButton"));
    variantsButton_->setGeometry(224, 96, 81, 25);
    variantsButton_->setCursor(Qt::PointingHandCursor);
    variantsButton_->setAutoDefault(true);
    connect(variantsButton_, &QPushButton::clicked, this, &TFormA::VariantsButtonClick);

    QWidget* tabOrder[] = {ComboBox1,    ComboBox4,    ComboBox5, ComboBox6,
                           ComboBox7,    ComboBox2,    ComboBox3, SpeedButton2,
                           SpeedButton3, SpeedButton4, BitBtn1,   variantsButton_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    for (QToolButton* button : {SpeedButton2, SpeedButton3, SpeedButton4}) {
        button->setFocusPolicy(button->isChecked() ? Qt::TabFocus : Qt::NoFocus);
    }
}

QComboBox* TFormA::AddList(const char* name, int left, int top, bool editable) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(left, top, 145, 21);
    box->setCursor(Qt::PointingHandCursor);
    box->setMaxVisibleItems(8);
    if (editable) {
        box->setEditable(true);
        // New items come only from validation; Enter must not append an unchecked text.
        box->setInsertPolicy(QComboBox::NoInsert);
        // A number is taken as typed: no completion from the items ("600" is not "6000").
        box->setCompleter(nullptr);
    }
    return box;
}

void TFormA::SetResultWindows(TFormB& details, TFormD& results) {
    details_ = &details;
    results_ = &results;
}

void TFormA::SetDrawingWindow(DrawingWindow& drawings) {
    drawings_ = &drawings;
}

void TFormA::SetShaftsWindow(ShaftsWindow& shafts) {
    shafts_ = &shafts;
}

void TFormA::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Restoring the minimised form shows it again; the user's choices must stay.
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFormA::FormShow() {
    BitBtn1->setFocus();
    ComboBox1->setCurrentIndex(static_cast<int>(kDefaultRatioItem));
    ComboBox4->setCurrentIndex(static_cast<int>(kDefaultWidthItem));
    ComboBox6->setCurrentIndex(static_cast<int>(kDefaultHelixItem));
    session_.design.baseDir = DesktopProgramDirectory(executablePath_);
}

bool TFormA::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        auto* box = static_cast<QComboBox*>(watched);
        const QWidget* next = QApplication::focusWidget();
        const bool toAnotherControl =
            next && next != box && next->window() == this && !box->isAncestorOf(next);
        if (toAnotherControl &&
            LeavesForAnotherControl(static_cast<QFocusEvent*>(event)->reason())) {
            // The message box must not open inside the focus change itself; the check runs
            // as soon as the change is complete (or at once when it was a click on OK).
            if (pendingExits_.empty()) {
                QTimer::singleShot(0, this, [this] { RunPendingExits(); });
            }
            pendingExits_.push_back(box);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TFormA::RunPendingExits() {
    if (validating_) return false;
    while (!pendingExits_.empty()) {
        QComboBox* box = pendingExits_.front();
        pendingExits_.erase(pendingExits_.begin());
        if (!ExitField(box)) return false;
    }
    return true;
}

bool TFormA::ExitField(QComboBox* box) {
    if (box == ComboBox2) return ComboBox2Exit();
    if (box == ComboBox3) return ComboBox3Exit();
    if (box == ComboBox5) return ComboBox5Exit();
    return ComboBox7Exit();
}

bool TFormA::ComboBox2Exit() {
    return ValidateField({ComboBox2, TypedField::Power});
}
bool TFormA::ComboBox3Exit() {
    return ValidateField({ComboBox3, TypedField::PinionSpeed});
}
bool TFormA::ComboBox5Exit() {
    return ValidateField({ComboBox5, TypedField::WheelHardness});
}
bool TFormA::ComboBox7Exit() {
    return ValidateField({ComboBox7, TypedField::ServiceLife});
}

bool TFormA::ValidateField(const TypedBox& typed) {
    const QString text = typed.box->currentText();
    if (const auto message = ValidateTypedInput(typed.field, text.toStdString())) {
        validating_ = true;
        // The field keeps the focus behind the message, not the control it was left for.
        typed.box->setFocus(Qt::OtherFocusReason);
        ShowMessageBox(this, *message);
        validating_ = false;
        // Again, for window systems that hand the focus elsewhere when the box closes.
        typed.box->setFocus(Qt::OtherFocusReason);
        // The user stays in the field: neither the control the focus has just left for this
        // (it was never really entered) nor fields left after this one are checked now.
        pendingExits_.clear();
        return false;
    }
    // Whole text, letters in any case, blanks counting: " 6000" is a new item beside "6000".
    if (typed.box->findText(text, Qt::MatchFixedString) < 0) typed.box->addItem(text);
    return true;
}

bool TFormA::AcceptTypedFields() {
    if (!RunPendingExits()) return false;
    // A text that never went through validation must not reach a run either.
    for (const TypedBox& typed : typedBoxes_) {
        if (ValidateTypedInput(typed.field, typed.box->currentText().toStdString())) {
            return ValidateField(typed);
        }
    }
    return true;
}

DesignInputs TFormA::CollectInputs() const {
    DesignInputs inputs;
    inputs.uzText = ComboBox1->currentText().toStdString();
    inputs.powerText = ComboBox2->currentText().toStdString();
    inputs.nwText = ComboBox3->currentText().toStdString();
    inputs.hkolText = ComboBox5->currentText().toStdString();
    inputs.tText = ComboBox7->currentText().toStdString();
    inputs.psibaIndex = ComboBox4->currentIndex();
    inputs.bettaText = ComboBox6->currentText().toStdString();
    // The buttons are asked in the order 2, 3, 4; the one that is down decides.
    if (SpeedButton2->isChecked()) {
        inputs.arrangement = 2;
    } else if (SpeedButton3->isChecked()) {
        inputs.arrangement = 3;
    } else {
        inputs.arrangement = 1;
    }
    return inputs;
}

void TFormA::ShowSessionOutputs() {
    if (details_) details_->ShowReport();
    if (!session_.runCaption.empty()) {
        Label1->setText(QString::fromStdString(session_.runCaption));
        Label1->resize(Label1->sizeHint());
    }
}

void TFormA::BitBtn1Click() {
    if (!AcceptTypedFields()) return;
    if (details_) details_->TakeEdits();
    const DesignInputs inputs = CollectInputs();
    RunDesktopDesign(session_, inputs,
                     {[this] { ShowSessionOutputs(); },
                      [this] {
                          if (drawings_) drawings_->Clear();
                          if (shafts_) shafts_->Clear();
                      },
                      [this](const std::string& text) { ShowErrorBox(this, text); },
                      [this](const std::string& text) { ShowMessageBox(this, text); },
                      [this, &inputs](const DesignProducts& products) {
                          if (drawings_) {
                              MakeDrawings(products, static_cast<std::uint8_t>(inputs.arrangement));
                          }
                          if (shafts_) {
                              shafts_->SetDesign(session_.design, products,
                                                 static_cast<std::uint8_t>(inputs.arrangement));
                          }
                      },
                      [this](const SessionRun& run) {
                          if (results_) results_->Execute(run);
                      }});
}

void TFormA::MakeDrawings(const DesignProducts& products, std::uint8_t arrangement) {
    // The hand-off is complete: its files stay whatever happens to the drawings, and a failure
    // here leaves the results dialog to open after the error box.
    // The files carry the title-block texts of the drawing window's fields.
    RunDrawings drawings = WriteRunDrawings(session_, products, drawings_->Inputs(), arrangement);
    if (!drawings.files.error.empty()) ShowErrorBox(this, drawings.files.error);
    const QString directory = QString::fromStdString(drawings.directory);
    drawings_->SetDrawings(std::move(drawings.files.drawings), std::move(drawings.warnings),
                           directory, DrawnDesign{session_.design, products});
    drawings_->Profile().SetDesign(session_.design, products.parts, directory,
                                   UnbuildableReason(products));
}

void TFormA::VariantsButtonClick() {
    if (!AcceptTypedFields()) return;
    if (!variants_) {
        variants_ = new VariantsWindow(this);
        connect(variants_, &VariantsWindow::VariantChosen, this, &TFormA::TakeVariant);
    }
    variants_->Search(CollectInputs());
    variants_->show();
    variants_->raise();
    variants_->activateWindow();
}

void TFormA::TakeVariant(const DesignInputs& inputs) {
    ComboBox4->setCurrentIndex(inputs.psibaIndex);
    ComboBox6->setCurrentText(QString::fromStdString(inputs.bettaText));
    const QString hardness = QString::fromStdString(inputs.hkolText);
    if (ComboBox5->findText(hardness, Qt::MatchFixedString) < 0) ComboBox5->addItem(hardness);
    ComboBox5->setCurrentText(hardness);
}

}  // namespace gearpair
