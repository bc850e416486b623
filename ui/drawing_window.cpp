// The drawing window.
#include "ui/drawing_window.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "app/drawing_step.h"
#include "app/user_text.h"
#include "app/window_placement.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/profile_tab.h"
#include "ui/sheet_saving.h"
#include "ui/sheet_view.h"
#include "ui/title_fields.h"

namespace gearpair {

namespace {

// A tab: the part's warnings above its sheet.
QWidget* PartPage(QLabel* warning, SheetView* view) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(warning);
    layout->addWidget(view, 1);
    return page;
}

void ShowWarnings(QLabel* line, const std::vector<std::string>& warnings) {
    QStringList lines;
    for (const std::string& warning : warnings) lines << FromUtf8(warning);
    line->setText(lines.join(QLatin1Char('\n')));
    line->setVisible(!lines.isEmpty());
}

// The window's preferred size, and the least width it takes beside a dialog; the gap between
// them, pixels.
constexpr QSize kPreferredSize(960, 680);
constexpr int kLeastWidth = 320;
constexpr int kGap = 8;

}  // namespace

DrawingWindow::DrawingWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Drawings"));
    setWindowTitle(QStringLiteral("Чертежи"));
    resize(kPreferredSize);
    inputs_ = RememberedTitleTexts();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    wheelView_ = new SheetView;
    wheelView_->setObjectName(QStringLiteral("wheelView"));
    pinionView_ = new SheetView;
    pinionView_->setObjectName(QStringLiteral("pinionView"));
    wheelWarning_ = WarningLine("wheelWarning");
    pinionWarning_ = WarningLine("pinionWarning");
    tabs_->addTab(PartPage(wheelWarning_, wheelView_), QStringLiteral("Колесо"));
    tabs_->addTab(PartPage(pinionWarning_, pinionView_), QStringLiteral("Шестерня"));
    profile_ = new ProfileTab(tabs_);
    tabs_->addTab(profile_, QStringLiteral("Профиль"));
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    titleFields_ = new TitleFields;
    titleFields_->Show(inputs_);
    // Queued: the error box of a rejected text must not open inside the focus change that
    // ended the editing.
    connect(titleFields_, &TitleFields::EditingFinished, this, &DrawingWindow::TakeTitleFields,
            Qt::QueuedConnection);
    layout->addWidget(titleFields_);
    reason_ = new QLabel;
    reason_->setObjectName(QStringLiteral("reason"));
    reason_->setWordWrap(true);
    reason_->setAlignment(Qt::AlignCenter);
    reason_->setMargin(16);
    reason_->hide();
    layout->addWidget(reason_, 1);
    layout->addWidget(tabs_, 1);

    // The actions live on the window, so that their keys work on either tab.
    const auto makeAction = [this](const char* name, const QString& text, const QKeySequence& key,
                                   void (DrawingWindow::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("menu"));
    menu_->addAction(makeAction("saveDxf", QStringLiteral("Сохранить DXF..."), QKeySequence::Save,
                                &DrawingWindow::SaveDxfClick));
    menu_->addAction(makeAction("savePdf", QStringLiteral("Сохранить PDF..."), QKeySequence(),
                                &DrawingWindow::SavePdfClick));
    menu_->addAction(makeAction("saveSvg", QStringLiteral("Сохранить SVG..."), QKeySequence(),
                                &DrawingWindow::SaveSvgClick));
    menu_->addSeparator();
    menu_->addAction(makeAction("fit", QStringLiteral("Вписать"), QKeySequence(Qt::Key_Home),
                                &DrawingWindow::FitClick));
    for (SheetView* view : {wheelView_, pinionView_}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& at) { menu_->popup(view->mapToGlobal(at)); });
    }
}

void DrawingWindow::TakeTitleFields() {
    DrawingInputs inputs;
    try {
        inputs = titleFields_->Inputs();
    } catch (const UserTextError& error) {
        // The typed text stays in its field to be corrected; the sheets and the remembered
        // texts stay as they were.
        ShowErrorBox(this, error.what());
        return;
    }
    if (inputs == inputs_) return;
    if (source_) {
        DrawingSet redrawn;
        try {
            redrawn = BuildDrawings(source_->design, source_->products, inputs);
        } catch (const std::exception& error) {
            titleFields_->Show(inputs_);
            ShowErrorBox(this, error.what());
            return;
        }
        // The views keep their zoom: the engineer may be looking at the title block.
        drawings_ = std::move(redrawn);
        wheelView_->update();
        pinionView_->update();
    }
    inputs_ = std::move(inputs);
    RememberTitleTexts(inputs_);
}

void DrawingWindow::SetDrawings(DrawingSet drawings, PartWarnings warnings, QString directory,
                                std::optional<DrawnDesign> source) {
    drawings_ = std::move(drawings);
    hasDrawings_ = true;
    directory_ = std::move(directory);
    source_ = std::move(source);
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);
    ShowWarnings(wheelWarning_, warnings.wheel);
    ShowWarnings(pinionWarning_, warnings.pinion);
    const std::string reason = source_ ? NoDrawingsReason(source_->products) : std::string();
    reason_->setText(FromUtf8(reason));
    reason_->setVisible(!reason.empty());
    tabs_->setVisible(reason.empty());
}

void DrawingWindow::Clear() {
    close();
    drawings_ = DrawingSet{};
    hasDrawings_ = false;
    source_.reset();
    directory_.clear();
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);
    ShowWarnings(wheelWarning_, {});
    ShowWarnings(pinionWarning_, {});
    reason_->hide();
    tabs_->show();
}

void DrawingWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void DrawingWindow::ShowBeside(QWidget& dialog) {
    ShowBesideDialog(*this, dialog, kPreferredSize, kLeastWidth, kGap);
}

void DrawingWindow::SaveDxfClick() {
    // On the profile tab the DXF is the wheel's tooth profile, the first of its model files.
    if (ProfileShown()) {
        profile_->AskAndSave(ProfileTab::ModelFile::WheelDxf);
    } else {
        AskAndSave(FileKind::Dxf);
    }
}

void DrawingWindow::SavePdfClick() {
    AskAndSave(FileKind::Pdf);
}

void DrawingWindow::SaveSvgClick() {
    AskAndSave(FileKind::Svg);
}

void DrawingWindow::FitClick() {
    if (ProfileShown()) {
        profile_->Fit();
    } else {
        CurrentView().Fit();
    }
}

bool DrawingWindow::ProfileShown() const {
    // No tabs for a pair that cannot be made: Ctrl+S must not save a profile the user cannot see.
    return tabs_->currentWidget() == profile_ && !tabs_->isHidden();
}

SheetView& DrawingWindow::CurrentView() const {
    return tabs_->currentIndex() == 1 ? *pinionView_ : *wheelView_;
}

const Sheet& DrawingWindow::CurrentSheet() const {
    return tabs_->currentIndex() == 1 ? drawings_.pinion : drawings_.wheel;
}

void DrawingWindow::AskAndSave(FileKind kind) {
    if (tabs_->isHidden()) return;  // no sheets: the reason stands in their place
    // The name the drawing directory holds the sheet under.
    const QString name =
        tabs_->currentIndex() == 1 ? QStringLiteral("pinion") : QStringLiteral("wheel");
    const QString path = AskSheetFile(this, kind, directory_, name);
    if (!path.isEmpty()) SaveSheet(kind, path);
}

bool DrawingWindow::SaveSheet(FileKind kind, const QString& path) {
    return SaveSheetFile(this, CurrentSheet(), kind, path);
}

void DrawingWindow::keyPressEvent(QKeyEvent* event) {
    // The keys act on the shown tab's view, a sheet or the profile, and zoom about the cursor
    // as the wheel does, or about the view's centre when the cursor is elsewhere.
    const bool profile = ProfileShown();
    QWidget& view = profile ? static_cast<QWidget&>(*profile_) : CurrentView();
    const QPoint cursor = view.mapFromGlobal(QCursor::pos());
    const QPointF at =
        view.rect().contains(cursor) ? QPointF(cursor) : QRectF(view.rect()).center();
    const auto zoom = [&](double factor) {
        if (profile) {
            profile_->ZoomAt(at, factor);
        } else {
            CurrentView().ZoomAt(at, factor);
        }
    };
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->matches(QKeySequence::ZoomIn) || event->key() == Qt::Key_Plus) {
        zoom(SheetView::kZoomStep);
    } else if (event->matches(QKeySequence::ZoomOut) || event->key() == Qt::Key_Minus) {
        zoom(1 / SheetView::kZoomStep);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace gearpair
