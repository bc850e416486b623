// Painting a sheet with Qt, and its PDF and SVG files.
#include "drawing/sheet_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

constexpr double kThickWidth = 0.5;  // mm
constexpr double kThinWidth = 0.25;
// Glyphs of a regular sans-serif set to the narrow drafting font's width.
constexpr double kNarrowing = 0.8;
// Fonts are laid out at this pixel size and scaled down to the text's height.
constexpr int kFontPixels = 100;
// SVG user units: 10 per mm at 254 dpi, the viewBox in mm.
constexpr int kSvgDotsPerMm = 10;

// The dash-dot thin line of the axes in millimetres of paper: 12 mm dashes and 3 mm gaps with
// a dot as long as the line is wide between them. The painter strokes the pieces itself: a
// device's own dash pattern counts in pen widths, which not every device scales alike (the SVG
// generator takes a pen narrower than one unit as one unit wide).
constexpr double kDash = 12;
constexpr double kDashGap = 3;
constexpr double kDot = kThinWidth;
constexpr double kDashDotPeriod = kDash + kDashGap + kDot + kDashGap;

// The pieces of the dash-dot pattern along a path `length` mm long, from its start: (from, to)
// in mm along the path.
std::vector<std::pair<double, double>> DashDotPieces(double length) {
    std::vector<std::pair<double, double>> pieces;
    for (double at = 0; at < length; at += kDashDotPeriod) {
        pieces.emplace_back(at, std::min(at + kDash, length));
        const double dot = at + kDash + kDashGap;
        if (dot < length) pieces.emplace_back(dot, std::min(dot + kDot, length));
    }
    return pieces;
}

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
        const double sx = std::min(kNarrowing * k, TextWidth(text) / advance);
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

QFont DraftingFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    return font;
}

std::string BytesOf(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

void PaintSheet(QPainter& painter, const Sheet& sheet) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QFont font = DraftingFont();
    painter.setFont(font);
    Painting painting{painter, sheet.heightMm, font, QFontMetricsF(font)};
    for (const Item& item : sheet.items) painting.Paint(item);
    painter.restore();
}

std::string PdfBytes(const Sheet& sheet) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("gearpair"));
        writer.setTitle(QString::fromStdString(sheet.title));
        const bool landscape = sheet.widthMm > sheet.heightMm;
        const QPageSize size(QSizeF(std::min(sheet.widthMm, sheet.heightMm),
                                    std::max(sheet.widthMm, sheet.heightMm)),
                             QPageSize::Millimeter);
        writer.setPageLayout(QPageLayout(size,
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter painter(&writer);
        const double dotsPerMm = writer.resolution() / 25.4;
        painter.scale(dotsPerMm, dotsPerMm);
        PaintSheet(painter, sheet);
        painter.end();
    }
    return BytesOf(bytes);
}

std::string SvgBytes(const Sheet& sheet) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(static_cast<int>(std::lround(kSvgDotsPerMm * 25.4)));
        generator.setSize(QSize(static_cast<int>(std::lround(sheet.widthMm * kSvgDotsPerMm)),
                                static_cast<int>(std::lround(sheet.heightMm * kSvgDotsPerMm))));
        generator.setViewBox(QRectF(0, 0, sheet.widthMm, sheet.heightMm));
        generator.setTitle(QString::fromStdString(sheet.title));
        QPainter painter(&generator);
        PaintSheet(painter, sheet);
        painter.end();
    }
    return BytesOf(bytes);
}

void WritePdf(const Sheet& sheet, const std::string& path) {
    ReplaceFileAtomically(path, PdfBytes(sheet), path);
}

void WriteSvg(const Sheet& sheet, const std::string& path) {
    ReplaceFileAtomically(path, SvgBytes(sheet), path);
}

}  // namespace gearpair
