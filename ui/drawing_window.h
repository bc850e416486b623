// The drawing window "Чертежи": the wheel and pinion sheets of the last finished run on two
// tabs, the sheets' warnings in a line of their own above them, and the context menu that
// saves the shown sheet as DXF, PDF or SVG and fits it to the window.
#pragma once

#include <QString>
#include <QWidget>

#include "drawing/drawings.h"

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace gearpair {

class ProfileTab;
class SheetView;

class DrawingWindow : public QWidget {
    Q_OBJECT

public:
    enum class FileKind { Dxf, Pdf, Svg };

    explicit DrawingWindow(QWidget* parent = nullptr);

    // The sheets of a run, shown fitted, and the run's drawing directory, where the file
    // dialogs of the save actions open.
    void SetDrawings(DrawingSet drawings, QString directory);

    // Shows the window, or brings it to the front when it is shown already.
    void ShowInFront();

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
    // The tab "Профиль" with the tooth outlines and their model files.
    ProfileTab& Profile() const { return *profile_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AskAndSave(FileKind kind);
    const Sheet& CurrentSheet() const;

    DrawingSet drawings_;
    QString directory_;
    QLabel* warning_;
    QTabWidget* tabs_;
    SheetView* wheelView_;
    SheetView* pinionView_;
    ProfileTab* profile_;
    QMenu* menu_;
};

}  // namespace gearpair
