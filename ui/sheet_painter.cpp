// Painting a sheet with Qt.
#include "ui/sheet_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "drawing/drafting_font.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"
#include "drawing/sheet_marks.h"

namespace gearpair {

namespace {

// Fonts are laid out at this pixel size and scaled down to the text's height.
constexpr int kFontPixels = 100;

QPen PenFor(Layer layer) {
    const bool thick = layer == Layer::Contour || layer == Layer::Frame;
    return QPen(Qt::black, thick ? kThickWidth : kThinWidth, Qt::SolidLine, Qt::FlatCap,
                Qt::MiterJoin);
}

struct Painting {
    QPainter& painter;
    double height;
    QFont font;
    QFontMetricsF metrics;
    bool dashDot = false;  // the item is on the axis layer

    QPointF At(Point p) const { return QPointF(p.x, height - p.y); }

    static Point Along(Point from, Point to, double t) {
        return {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
    }

    // Counter-clockwise from `startDeg` through `spanDeg` about the centre.
    void DrawArc(Point centre, double radius, double startDeg, double spanDeg) const {
        const QRectF box(centre.x - radius, height - centre.y - radius, 2 * radius, 2 * radius);
        QPainterPath path;
        path.arcMoveTo(box, startDeg);
        path.arcTo(box, startDeg, spanDeg);
        painter.drawPath(path);
    }

    void DashDotArc(Point centre, double radius, double startDeg, double spanDeg) const {
        const double degPerMm = 180 / (std::numbers::pi * radius);
        for (const auto& [from, to] : DashDotPieces(spanDeg / degPerMm)) {
            DrawArc(centre, radius, startDeg + from * degPerMm, (to - from) * degPerMm);
        }
    }

    void operator()(const Line& line) const {
        const double length = std::hypot(line.to.x - line.from.x, line.to.y - line.from.y);
        if (!dashDot || length == 0) {
            painter.drawLine(At(line.from), At(line.to));
            return;
        }
        for (const auto& [from, to] : DashDotPieces(length)) {
            painter.drawLine(At(Along(line.from, line.to, from / length)),
                             At(Along(line.from, line.to, to / length)));
        }
    }

    void operator()(const Polyline& polyline) const {
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(polyline.points.size()));
        for (const Point& p : polyline.points) points.append(At(p));
        if (polyline.filled) {
            painter.save();
            painter.setBrush(painter.pen().color());
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(points);
            painter.restore();
        } else if (dashDot) {
            // Each side on its own: an axis drawn as a polyline is not expected.
            const std::size_t count = polyline.points.size();
            for (std::size_t i = 0; i + 1 < count + (polyline.closed ? 1 : 0); ++i) {
                (*this)(Line{polyline.points[i], polyline.points[(i + 1) % count]});
            }
        } else if (polyline.closed) {
            painter.drawPolygon(points);
        } else {
            painter.drawPolyline(points);
        }
    }

    void operator()(const Circle& circle) const {
        if (dashDot && circle.radius > 0) {
            DashDotArc(circle.centre, circle.radius, 0, 360);
            return;
        }
        painter.drawEllipse(At(circle.centre), circle.radius, circle.radius);
    }

    void operator()(const Arc& arc) const {
        double span = std::fmod(arc.endDeg - arc.startDeg, 360.0);
        if (span <= 0) span += 360;
        if (dashDot && arc.radius > 0) {
            DashDotArc(arc.centre, arc.radius, arc.startDeg, span);
            return;
        }
        DrawArc(arc.centre, arc.radius, arc.startDeg, span);
    }

    void operator()(const Text& text) const {
        const QString string =
            QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
        const double k = text.height / metrics.capHeight();
        const double advance = metrics.horizontalAdvance(string);
        // Never wider than the box the layout gave the text.
        const double sx = std::min(kFontNarrowing * k, TextWidth(text) / advance);
        double dx = 0;
        if (text.anchor == Anchor::BottomCentre || text.anchor == Anchor::MiddleCentre) {
            dx = -advance / 2;
        } else if (text.anchor == Anchor::BottomRight || text.anchor == Anchor::MiddleRight) {
            dx = -advance;
        }
        const bool middle = text.anchor == Anchor::MiddleLeft ||
                            text.anchor == Anchor::MiddleCentre ||
                            text.anchor == Anchor::MiddleRight;
        painter.save();
        painter.translate(At(text.at));
        painter.rotate(-text.angleDeg);
        painter.scale(sx, k);
        painter.setPen(QPen(Qt::black));
        painter.drawText(QPointF(dx, middle ? metrics.capHeight() / 2 : 0), string);
        painter.restore();
    }

    void operator()(const Dimension& dimension) const {
        for (const Item& item : ExpandDimension(dimension)) Paint(item);
    }

    void operator()(const Hatch& hatch) const {
        for (const Item& item : ExpandHatch(hatch)) Paint(item);
    }

    void Paint(const Item& item) const {
        painter.setPen(PenFor(item.layer));
        Painting layered = *this;
        layered.dashDot = item.layer == Layer::Axis;
        std::visit(layered, item.shape);
    }
};

QFont ScreenFont() {
    QFont font(QString::fromUtf8(kDraftingFontName));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    return font;
}

}  // namespace

void PaintSheet(QPainter& painter, const Sheet& sheet) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QFont font = ScreenFont();
    painter.setFont(font);
    Painting painting{painter, sheet.heightMm, font, QFontMetricsF(font)};
    for (const Item& item : sheet.items) painting.Paint(item);
    painter.restore();
}

}  // namespace gearpair
