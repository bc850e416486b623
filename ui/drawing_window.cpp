// The drawing window.
#include "ui/drawing_window.h"

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>
#include <string>

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

}  // namespace

DrawingWindow::DrawingWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Drawings"));
    setWindowTitle(QStringLiteral("Чертежи"));
    resize(960, 680);

    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("warning"));
    warning_->setWordWrap(true);
    warning_->setTextFormat(Qt::PlainText);
    warning_->setMargin(6);
    warning_->setAutoFillBackground(true);
    QPalette palette = warning_->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x20, 0x00));
    warning_->setPalette(palette);
    warning_->hide();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    wheelView_ = new SheetView(tabs_);
    wheelView_->setObjectName(QStringLiteral("wheelView"));
    pinionView_ = new SheetView(tabs_);
    pinionView_->setObjectName(QStringLiteral("pinionView"));
    tabs_->addTab(wheelView_, QStringLiteral("Колесо"));
    tabs_->addTab(pinionView_, QStringLiteral("Шестерня"));
    profile_ = new ProfileTab(tabs_);
    tabs_->addTab(profile_, QStringLiteral("Профиль"));
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(warning_);
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

void DrawingWindow::SetDrawings(DrawingSet drawings, QString directory) {
    drawings_ = std::move(drawings);
    directory_ = std::move(directory);
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);
    QStringList lines;
    for (const std::string& line : drawings_.warnings) lines << FromUtf8(line);
    warning_->setText(lines.join(QLatin1Char('\n')));
    warning_->setVisible(!lines.isEmpty());
}

void DrawingWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
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
    const QPointF centre = QRectF(CurrentView().rect()).center();
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->matches(QKeySequence::ZoomIn) || event->key() == Qt::Key_Plus) {
        CurrentView().ZoomAt(centre, SheetView::kZoomStep);
    } else if (event->matches(QKeySequence::ZoomOut) || event->key() == Qt::Key_Minus) {
        CurrentView().ZoomAt(centre, 1 / SheetView::kZoomStep);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace gearpair
