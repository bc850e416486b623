// The variant plot.
#include "ui/variant_plot.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

#include "ui/controls.h"

namespace gearpair {

namespace {

QColor ColourOf(PlotMark mark) {
    const PlotColour colour = MarkColour(mark);
    return QColor(colour.red, colour.green, colour.blue);
}

QPointF ToQt(PlotXY at) {
    return {at.x, at.y};
}

// A cross of half-size `half` pixels: a pair that cannot be made.
void DrawCross(QPainter& painter, QPointF at, double half) {
    painter.drawLine(at - QPointF(half, half), at + QPointF(half, half));
    painter.drawLine(at - QPointF(half, -half), at + QPointF(half, -half));
}

QPainterPath Star(QPointF centre, double outer) {
    QPolygonF corners;
    for (const PlotXY corner : StarCorners({centre.x(), centre.y()}, outer))
        corners << ToQt(corner);
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

// A filled circle of `radius` pixels with a darker rim, on a transparent image.
QImage Marker(const QColor& colour, double radius, double pixelRatio) {
    const int side = static_cast<int>(std::ceil((2 * radius + 2) * pixelRatio));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(130), 0.8));
    painter.setBrush(colour);
    const double centre = side / (2 * pixelRatio);
    painter.drawEllipse(QPointF(centre, centre), radius, radius);
    return image;
}

}  // namespace

VariantPlot::VariantPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("plot"));
    setMinimumHeight(300);
    setCursor(Qt::CrossCursor);
}

void VariantPlot::SetVariants(const std::vector<Variant>& variants,
                              std::optional<std::size_t> current) {
    layout_.SetVariants(variants, current);
    update();
}

void VariantPlot::SetChosen(std::optional<std::size_t> row) {
    layout_.SetChosen(row);
    update();
}

PlotRect VariantPlot::Area() const {
    return VariantPlotLayout::Area(width(), height());
}

QPointF VariantPlot::PixelOf(PlotXY value) const {
    return ToQt(layout_.PixelOf(value, Area()));
}

std::optional<std::size_t> VariantPlot::VariantAtPixel(QPointF pixel) const {
    return layout_.VariantAtPixel({pixel.x(), pixel.y()}, Area());
}

void VariantPlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const std::optional<std::size_t> row = VariantAtPixel(event->position())) {
            emit VariantClicked(*row);
        }
    }
    QWidget::mousePressEvent(event);
}

void VariantPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const PlotRect plotArea = Area();
    const QRectF area(plotArea.left, plotArea.top, plotArea.width, plotArea.height);
    const QFontMetricsF metrics(font());
    const PlotColour gridColour = kGridColour;
    const QColor grid(gridColour.red, gridColour.green, gridColour.blue);

    painter.setPen(Qt::black);
    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(QRectF(0, 0, width(), VariantPlotLayout::kTopRoom), Qt::AlignCenter,
                     FromUtf8(kPlotTitle));
    painter.setFont(font());

    // The grid and the tick labels.
    const double h = metrics.height();
    for (const PlotTick& tick : layout_.XTicks()) {
        const double px = PixelOf({tick.value, 0}).x();
        painter.setPen(QPen(grid, 0));
        painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(px - 40, area.bottom() + 2, 80, h), Qt::AlignHCenter | Qt::AlignTop,
                         FromUtf8(tick.label));
    }
    for (const PlotTick& tick : layout_.YTicks()) {
        const double py = PixelOf({0, tick.value}).y();
        painter.setPen(QPen(grid, 0));
        painter.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, py - h / 2, VariantPlotLayout::kLeftRoom - 6, h),
                         Qt::AlignRight | Qt::AlignVCenter, FromUtf8(tick.label));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(area);
    painter.drawText(QRectF(area.left(), area.bottom() + h + 2, area.width(), h), Qt::AlignCenter,
                     FromUtf8(kPlotXCaption));
    painter.save();
    painter.translate(12, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -h / 2, area.height(), h), Qt::AlignCenter,
                     FromUtf8(kPlotYCaption));
    painter.restore();

    // The points, the Pareto front over the others, the form's design and the chosen one on top.
    const QColor other = ColourOf(PlotMark::Other);
    const QColor unbuildable = ColourOf(PlotMark::Unbuildable);
    const QColor pareto = ColourOf(PlotMark::Pareto);
    const QColor current = ColourOf(PlotMark::Current);
    const QColor chosen = ColourOf(PlotMark::Chosen);
    painter.save();
    painter.setClipRect(area.adjusted(-8, -8, 8, 8));
    // The many plain points as one marker image stamped at each: drawing each circle anew
    // would make the first paint several times longer.
    const QImage dot = Marker(other, 3, devicePixelRatioF());
    const QPointF half(dot.width() / (2 * dot.devicePixelRatioF()),
                       dot.height() / (2 * dot.devicePixelRatioF()));
    for (const auto& point : layout_.Others()) painter.drawImage(PixelOf(point.value) - half, dot);
    painter.setPen(QPen(unbuildable, 1.5));
    for (const auto& point : layout_.Unbuildable()) DrawCross(painter, PixelOf(point.value), 3.5);
    QPolygonF front;
    for (const auto& point : layout_.Pareto()) front << PixelOf(point.value);
    painter.setPen(QPen(pareto, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(front);
    painter.setPen(QPen(pareto.darker(130), 0.8));
    painter.setBrush(pareto);
    for (const QPointF& at : front) painter.drawEllipse(at, 4.5, 4.5);
    if (layout_.Current()) {
        painter.setPen(QPen(current.darker(130), 0.8));
        painter.setBrush(current);
        painter.drawPath(Star(PixelOf(layout_.Current()->value), 9));
    }
    if (layout_.Chosen()) {
        painter.setPen(QPen(chosen, 2));
        painter.setBrush(Qt::NoBrush);
        const QPointF at = PixelOf(layout_.Chosen()->value);
        painter.drawRect(QRectF(at - QPointF(7, 7), QSizeF(14, 14)));
    }
    painter.restore();

    // The legend, one line under the axis title.
    double x = area.left();
    const double y = area.bottom() + 2 * h + 14;
    for (const PlotLegendEntry& entry : layout_.Legend()) {
        const QPointF at(x + 6, y);
        switch (entry.mark) {
            case PlotMark::Other:
                painter.setPen(QPen(other.darker(130), 0.8));
                painter.setBrush(other);
                painter.drawEllipse(at, 3, 3);
                break;
            case PlotMark::Unbuildable:
                painter.setPen(QPen(unbuildable, 1.5));
                DrawCross(painter, at, 3.5);
                break;
            case PlotMark::Pareto:
                painter.setPen(QPen(pareto, 1.5));
                painter.drawLine(at - QPointF(6, 0), at + QPointF(6, 0));
                painter.setBrush(pareto);
                painter.drawEllipse(at, 4, 4);
                break;
            case PlotMark::Current:
                painter.setPen(QPen(current.darker(130), 0.8));
                painter.setBrush(current);
                painter.drawPath(Star(at, 7));
                break;
            case PlotMark::Chosen:
                painter.setPen(QPen(chosen, 2));
                painter.drawRect(QRectF(at - QPointF(5, 5), QSizeF(10, 10)));
                break;
            case PlotMark::None:
                break;
        }
        const QString text = FromUtf8(entry.text);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(QPointF(x + 16, y + metrics.ascent() / 2 - 1), text);
        x += 16 + metrics.horizontalAdvance(text) + 18;
    }
}

}  // namespace gearpair
