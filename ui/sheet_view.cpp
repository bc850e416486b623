// The sheet view: zoom, pan and fit over the sheet painter.
#include "ui/sheet_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "drawing/sheet.h"
#include "drawing/sheet_geometry.h"
#include "ui/sheet_painter.h"

namespace gearpair {

namespace {

// Free space around the fitted sheet, pixels.
constexpr double kFitMargin = 12.0;
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
    Fit();
}

double SheetView::FitScale() const {
    if (!sheet_ || sheet_->widthMm <= 0 || sheet_->heightMm <= 0) return 1.0;
    const double free = 2 * kFitMargin;
    const double scale =
        std::min((width() - free) / sheet_->widthMm, (height() - free) / sheet_->heightMm);
    return std::max(scale, 0.01);
}

void SheetView::Fit() {
    fitted_ = true;
    scale_ = FitScale();
    if (sheet_) {
        origin_ = QPointF((width() - sheet_->widthMm * scale_) / 2,
                          (height() - sheet_->heightMm * scale_) / 2);
    }
    update();
}

void SheetView::ZoomAt(QPointF position, double factor) {
    const double fit = FitScale();
    const double scale = std::clamp(scale_ * factor, fit / 4, std::max(kMaxScale, fit));
    if (scale == scale_) return;
    const QPointF paper = PaperAt(position);
    scale_ = scale;
    origin_ = position - paper * scale_;
    fitted_ = false;
    update();
}

QPointF SheetView::PaperAt(QPointF position) const {
    return (position - origin_) / scale_;
}

void SheetView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (!sheet_) return;
    const QRectF paper(origin_, QSizeF(sheet_->widthMm, sheet_->heightMm) * scale_);
    painter.fillRect(paper.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(paper, Qt::white);
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin_);
    painter.scale(scale_, scale_);
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
    if (fitted_) Fit();
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
    origin_ += moved;
    fitted_ = false;
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
