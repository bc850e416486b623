// The drawing window "Чертежи": the engineer's title-block texts in a strip of fields, the
// wheel and pinion sheets of the last finished run on two tabs, each part's warnings in a line
// of their own above its sheet, and the context menu that saves the shown sheet as DXF, PDF or
// SVG and fits it to the window.
#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

#include "app/design_texts.h"
#include "drawing/drawing_files.h"
#include "drawing/drawings.h"
#include "ui/sheet_saving.h"

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace gearpair {

class ProfileTab;
class TitleFields;
class SheetView;

// The design of a run and its products, from which its sheets are drawn again when a
// title-block text changes.
struct DrawnDesign {
    TGearDesign design;
    DesignProducts products;
};

class DrawingWindow : public QWidget {
    Q_OBJECT

public:
    using FileKind = SheetFileKind;

    // The title-block fields show the texts remembered from the last session (the user's
    // settings of "gearpair", group "drawing"), or the defaults.
    explicit DrawingWindow(QWidget* parent = nullptr);

    // The sheets of a run, shown fitted, each part's warnings above its sheet, and the run's
    // drawing directory, where the file dialogs of the save actions open. With `source`, a
    // changed title-block text draws both sheets again from it. A source whose pair cannot be
    // made has no sheets: the window says why in place of the tabs.
    void SetDrawings(DrawingSet drawings, PartWarnings warnings, QString directory,
                     std::optional<DrawnDesign> source = std::nullopt);

    // The title-block texts of the fields as last accepted: those of the sheets shown, and of
    // the next run's drawings. An empty material field is the steel chosen by hardness.
    const DrawingInputs& Inputs() const { return inputs_; }

    // A run that ended without a design: the sheets of the previous one are no longer its
    // drawings, so the window forgets them and closes.
    void Clear();
    bool HasDrawings() const { return hasDrawings_; }
    const DrawingSet& Sheets() const { return drawings_; }

    // Shows the window, or brings it to the front when it is shown already.
    void ShowInFront();

    // Shows the window beside `dialog`, on the side of the screen with more room and no wider
    // than that room (the dialog moves to the screen's other edge when neither side has room
    // for the window's usual width), or brings it to the front where it is when it is shown
    // already.
    void ShowBeside(QWidget& dialog);

    // The save actions: a file dialog in the drawing directory, then SaveSheet.
    void SaveDxfClick();
    void SavePdfClick();
    void SaveSvgClick();
    // "Вписать": the shown sheet fitted to the window.
    void FitClick();

    // Writes the shown sheet to `path`; a failure goes to the error box and changes nothing
    // already written. True when written.
    bool SaveSheet(FileKind kind, const QString& path);

    SheetView& CurrentView() const;
    // The "Профиль" tab is the one shown: the keys and the save and fit actions act on it.
    bool ProfileShown() const;
    // The tab "Профиль" with the tooth outlines and their model files.
    ProfileTab& Profile() const { return *profile_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A title-block field whose editing has finished: the sheets are drawn again with the
    // fields' texts and the texts are remembered. A text that cannot go onto a sheet goes to
    // the error box, and the fields, the sheets and the remembered texts stay as they were.
    void TakeTitleFields();
    void AskAndSave(FileKind kind);
    const Sheet& CurrentSheet() const;

    DrawingSet drawings_;
    bool hasDrawings_ = false;
    std::optional<DrawnDesign> source_;
    DrawingInputs inputs_;
    TitleFields* titleFields_;
    QString directory_;
    QLabel* wheelWarning_;
    QLabel* pinionWarning_;
    QLabel* reason_;  // why a design has no sheets, shown in place of the tabs
    QTabWidget* tabs_;
    SheetView* wheelView_;
    SheetView* pinionView_;
    ProfileTab* profile_;
    QMenu* menu_;
};

}  // namespace gearpair
