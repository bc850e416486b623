// The shafts window "Валы и подшипники": the status of the bearings' life in a line at the top,
// a tab per shaft with its figure, its tables and its four distance fields, and the saving of
// the figures and the report. It paints what ShaftsView gives and hands it the fields' texts.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

#include "app/shafts_view.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QVBoxLayout;

namespace gearpair {

class SheetView;

class ShaftsWindow : public QWidget {
    Q_OBJECT

public:
    explicit ShaftsWindow(QWidget* parent = nullptr);

    // The shafts of a completed run, designed with the sketch's distances; the user's distances
    // of the previous run are forgotten. A design without shafts shows why instead of the tabs.
    void SetDesign(const TGearDesign& design, const DesignProducts& products,
                   std::uint8_t arrangement);

    // A run that ended without a design: the shafts shown are no longer its own, so the window
    // forgets them and closes.
    void Clear();
    bool HasDesign() const { return view_.has_value(); }
    // The shafts shown; only with a design.
    const ShaftsView& View() const { return *view_; }

    // Shows the window, or brings it to the front when it is shown already.
    void ShowInFront();
    // Shows the window beside `dialog` on the side of the screen with more room, or brings it
    // to the front where it is when it is shown already.
    void ShowBeside(QWidget& dialog);

    // The save buttons: a directory or file dialog, then SaveFigures or SaveRtf.
    void SaveFiguresClick();
    void SaveRtfClick();
    // Writes the four figures into `dir` or the report to `file`; a failure goes to the error
    // box. True when everything was written.
    bool SaveFigures(const QString& dir);
    bool SaveRtf(const QString& file);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The widgets of a shaft's tab and the tab's contents they show.
    struct Page {
        QWidget* page = nullptr;
        QScrollArea* scroll = nullptr;  // below the figure: the fields and the tables
        QWidget* lower = nullptr;       // the scroll area's contents
        SheetView* figure = nullptr;
        QWidget* tables = nullptr;
        QVBoxLayout* tablesLayout = nullptr;
        std::array<QLineEdit*, kShaftFields.size()> fields{};
        ShaftTab tab;
    };

    Page MakePage(Shaft shaft);
    // The tab of `shaft` drawn again from the view: its figure, its tables and, unless the
    // user has typed into them, its fields.
    void ShowShaft(Shaft shaft, bool keepTypedFields);
    void ShowStatus();
    // Enter in a field of `shaft`'s tab.
    void ApplyFields(Shaft shaft);
    // The tabs hidden and `reason` in their place.
    void ShowReason(const QString& reason);

    std::optional<ShaftsView> view_;
    QString directory_;  // where the last save went; the dialogs open there
    QLabel* status_;
    QLabel* reason_;
    QTabWidget* tabs_;
    std::array<Page, 2> pages_;  // Shaft::Input, Shaft::Output
    QPushButton* saveFigures_;
    QPushButton* saveRtf_;
};

}  // namespace gearpair
