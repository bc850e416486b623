// One sheet on screen, drawn by the same painter as the PDF: fitted to the view when it opens,
// zoomed about the cursor by the mouse wheel, moved by dragging, fitted again on a double click.
#pragma once

#include <QPointF>
#include <QWidget>

#include "app/paper_zoom.h"
#include "drawing/sheet.h"

namespace gearpair {

class SheetView : public QWidget {
    Q_OBJECT

public:
    // The zoom of one mouse-wheel notch (120 eighths of a degree) or one press of a zoom key.
    static constexpr double kZoomStep = PaperZoom::kStep;

    explicit SheetView(QWidget* parent = nullptr);

    // The sheet to show (owned by the caller, kept alive while shown), fitted to the view.
    void SetSheet(const Sheet* sheet);

    // The whole sheet in the view, centred, with a margin; a resized view stays fitted until
    // the user zooms or moves the sheet.
    void Fit();
    bool IsFitted() const { return zoom_.IsFitted(); }

    // Multiplies the zoom by `factor`, keeping the point of the paper under `position` (view
    // pixels) where it is; the zoom stays between a quarter of the fitted one and kMaxScale.
    void ZoomAt(QPointF position, double factor);

    // Pixels per millimetre of paper, and the view position of the sheet's top-left corner.
    double Scale() const { return zoom_.Scale(); }
    QPointF Origin() const { return QPointF(zoom_.Origin().x, zoom_.Origin().y); }

    // The point of the paper (mm, from the sheet's top-left corner, y down) at a view position.
    QPointF PaperAt(QPointF position) const;

    // The finest zoom: 40 pixels per millimetre shows a 0,25 mm line ten pixels wide.
    static constexpr double kMaxScale = PaperZoom::kMaxScale;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The zoom's idea of the view's size brought up to date.
    void TakeSize();
    // The sheet, or where only part of it is seen, the items that reach into `area` (view
    // pixels): a zoomed-in repaint strokes only what shows.
    const Sheet& VisiblePart(const QRect& area);

    const Sheet* sheet_ = nullptr;
    Sheet visible_;  // the items of the last zoomed-in repaint
    PaperZoom zoom_;
    bool dragging_ = false;
    QPointF dragFrom_;
};

}  // namespace gearpair
