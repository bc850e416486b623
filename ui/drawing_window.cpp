// The drawing window.
#include "ui/drawing_window.h"

#include <QAction>
#include <QCursor>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "drawing/dxf_writer.h"
#include "drawing/sheet_painter.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/profile_tab.h"
#include "ui/sheet_view.h"

namespace gearpair {

namespace {

struct FileKindText {
    const char* suffix;
    const char* caption;
    const char* filter;
};

FileKindText TextsOf(DrawingWindow::FileKind kind) {
    switch (kind) {
        case DrawingWindow::FileKind::Dxf:
            return {"dxf", "Сохранить DXF", "Чертёж DXF (*.dxf)"};
        case DrawingWindow::FileKind::Pdf:
            return {"pdf", "Сохранить PDF", "Документ PDF (*.pdf)"};
        case DrawingWindow::FileKind::Svg:
            return {"svg", "Сохранить SVG", "Рисунок SVG (*.svg)"};
    }
    return {"dxf", "Сохранить DXF", "Чертёж DXF (*.dxf)"};
}

// The line of a part's warnings, hidden while there are none.
QLabel* WarningLine(const char* name) {
    auto* line = new QLabel;
    line->setObjectName(QString::fromLatin1(name));
    line->setWordWrap(true);
    line->setTextFormat(Qt::PlainText);
    line->setMargin(6);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x20, 0x00));
    line->setPalette(palette);
    line->hide();
    return line;
}

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

void DrawingWindow::SetDrawings(DrawingSet drawings, PartWarnings warnings, QString directory) {
    drawings_ = std::move(drawings);
    hasDrawings_ = true;
    directory_ = std::move(directory);
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);
    ShowWarnings(wheelWarning_, warnings.wheel);
    ShowWarnings(pinionWarning_, warnings.pinion);
}

void DrawingWindow::Clear() {
    close();
    drawings_ = DrawingSet{};
    hasDrawings_ = false;
    directory_.clear();
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);
    ShowWarnings(wheelWarning_, {});
    ShowWarnings(pinionWarning_, {});
}

void DrawingWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void DrawingWindow::ShowBeside(QWidget& dialog) {
    if (!isVisible()) {
        const QRect screen = dialog.screen()->availableGeometry();
        const QSize frame = frameGeometry().size() - geometry().size();
        QRect taken = dialog.frameGeometry();
        const auto roomRight = [&] { return screen.right() - taken.right() - kGap; };
        const auto roomLeft = [&] { return taken.left() - screen.left() - kGap; };
        const bool right = roomRight() >= roomLeft();
        // Too little room on either side: the dialog moves to the screen's other edge.
        if (std::max(roomRight(), roomLeft()) < kPreferredSize.width() + frame.width()) {
            dialog.move(right ? screen.left() : screen.right() + 1 - taken.width(), taken.top());
            taken = dialog.frameGeometry();
        }
        const int room = right ? roomRight() : roomLeft();
        const int width =
            std::max(std::min(kPreferredSize.width(), room - frame.width()), kLeastWidth);
        const int height = std::min(kPreferredSize.height(), screen.height() - frame.height());
        resize(width, height);
        const int x =
            right ? taken.right() + 1 + kGap : taken.left() - kGap - width - frame.width();
        const int y =
            std::clamp(taken.center().y() - (height + frame.height()) / 2, screen.top(),
                       std::max(screen.top(), screen.bottom() + 1 - height - frame.height()));
        move(x, y);
    }
    ShowInFront();
}

void DrawingWindow::SaveDxfClick() {
    AskAndSave(FileKind::Dxf);
}

void DrawingWindow::SavePdfClick() {
    AskAndSave(FileKind::Pdf);
}

void DrawingWindow::SaveSvgClick() {
    AskAndSave(FileKind::Svg);
}

void DrawingWindow::FitClick() {
    CurrentView().Fit();
}

SheetView& DrawingWindow::CurrentView() const {
    return tabs_->currentIndex() == 1 ? *pinionView_ : *wheelView_;
}

const Sheet& DrawingWindow::CurrentSheet() const {
    return tabs_->currentIndex() == 1 ? drawings_.pinion : drawings_.wheel;
}

void DrawingWindow::AskAndSave(FileKind kind) {
    const FileKindText texts = TextsOf(kind);
    const QString suffix = QString::fromLatin1(texts.suffix);
    QFileDialog dialog(this, QString::fromUtf8(texts.caption), directory_);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(texts.filter));
    dialog.setDefaultSuffix(suffix);
    // The name the drawing directory holds the sheet under.
    const QString name =
        tabs_->currentIndex() == 1 ? QStringLiteral("pinion") : QStringLiteral("wheel");
    dialog.selectFile(name + QLatin1Char('.') + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveSheet(kind, dialog.selectedFiles().constFirst());
}

bool DrawingWindow::SaveSheet(FileKind kind, const QString& path) {
    const std::string file = path.toStdString();
    try {
        switch (kind) {
            case FileKind::Dxf:
                WriteDxf(CurrentSheet(), file);
                break;
            case FileKind::Pdf:
                WritePdf(CurrentSheet(), file);
                break;
            case FileKind::Svg:
                WriteSvg(CurrentSheet(), file);
                break;
        }
    } catch (const std::exception& error) {
        ShowErrorBox(this, error.what());
        return false;
    }
    return true;
}

void DrawingWindow::keyPressEvent(QKeyEvent* event) {
    // The keys zoom about the cursor as the wheel does, or about the view's centre when the
    // cursor is elsewhere.
    SheetView& view = CurrentView();
    const QPoint cursor = view.mapFromGlobal(QCursor::pos());
    const QPointF at =
        view.rect().contains(cursor) ? QPointF(cursor) : QRectF(view.rect()).center();
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->matches(QKeySequence::ZoomIn) || event->key() == Qt::Key_Plus) {
        view.ZoomAt(at, SheetView::kZoomStep);
    } else if (event->matches(QKeySequence::ZoomOut) || event->key() == Qt::Key_Minus) {
        view.ZoomAt(at, 1 / SheetView::kZoomStep);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace gearpair
