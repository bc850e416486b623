// The sheet view: zoom, pan and fit over the sheet painter.
#include "ui/sheet_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

#include "drawing/sheet.h"
#include "drawing/sheet_geometry.h"
#include "ui/sheet_painter.h"

namespace gearpair {

namespace {

// Half the widest line, mm: an item this close to the visible area may still reach into it.
constexpr double kPenMargin = 0.5;

}  // namespace

SheetView::SheetView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
}

void SheetView::SetSheet(const Sheet* sheet) {
    sheet_ = sheet;
    TakeSize();
    zoom_.SetPaper(sheet_ ? sheet_->widthMm : 0, sheet_ ? sheet_->heightMm : 0);
    update();
}

void SheetView::TakeSize() {
    zoom_.Resize(width(), height());
}

void SheetView::Fit() {
    TakeSize();
    zoom_.Fit();
    update();
}

void SheetView::ZoomAt(QPointF position, double factor) {
    TakeSize();
    zoom_.ZoomAt({position.x(), position.y()}, factor);
    update();
}

QPointF SheetView::PaperAt(QPointF position) const {
    const PaperPoint paper = zoom_.PaperAt({position.x(), position.y()});
    return QPointF(paper.x, paper.y);
}

void SheetView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (!sheet_) return;
    const QRectF paper(Origin(), QSizeF(sheet_->widthMm, sheet_->heightMm) * Scale());
    painter.fillRect(paper.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(paper, Qt::white);
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(Origin());
    painter.scale(Scale(), Scale());
    PaintSheet(painter, VisiblePart(event->rect()));
}

const Sheet& SheetView::VisiblePart(const QRect& area) {
    // The paper's box (mm, y up) under the area, widened by the widest pen.
    const QPointF topLeft = PaperAt(area.topLeft());
    const QPointF bottomRight = PaperAt(area.bottomRight() + QPoint(1, 1));
    const Box seen{topLeft.x() - kPenMargin, sheet_->heightMm - bottomRight.y() - kPenMargin,
                   bottomRight.x() + kPenMargin, sheet_->heightMm - topLeft.y() + kPenMargin};
    if (seen.Contains(Box{0, 0, sheet_->widthMm, sheet_->heightMm})) return *sheet_;
    visible_.widthMm = sheet_->widthMm;
    visible_.heightMm = sheet_->heightMm;
    visible_.items.clear();
    for (const Item& item : sheet_->items) {
        if (ItemBox(item).Overlaps(seen)) visible_.items.push_back(item);
    }
    return visible_;
}

void SheetView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    TakeSize();
    update();
}

void SheetView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) ZoomAt(event->position(), std::pow(kZoomStep, notches));
    event->accept();
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPointF moved = event->position() - dragFrom_;
    dragFrom_ = event->position();
    if (moved.isNull()) return;
    zoom_.Pan(moved.x(), moved.y());
    update();
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Fit();
}

}  // namespace gearpair
