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

#include "drawing/sheet_expand.h"
#include "drawing/sheet_file.h"
#include "drawing/sheet_geometry.h"

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

QPen PenFor(Layer layer) {
    const bool thick = layer == Layer::Contour || layer == Layer::Frame;
    QPen pen(Qt::black, thick ? kThickWidth : kThinWidth, Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    if (layer == Layer::Axis) {
        // 12 mm dashes, 3 mm gaps with a dot between, in units of the pen width.
        pen.setDashPattern({12 / kThinWidth, 3 / kThinWidth, 1, 3 / kThinWidth});
    }
    return pen;
}

struct Painting {
    QPainter& painter;
    double height;
    QFont font;
    QFontMetricsF metrics;

    QPointF At(Point p) const { return QPointF(p.x, height - p.y); }

    void operator()(const Line& line) const { painter.drawLine(At(line.from), At(line.to)); }

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
        } else if (polyline.closed) {
            painter.drawPolygon(points);
        } else {
            painter.drawPolyline(points);
        }
    }

    void operator()(const Circle& circle) const {
        painter.drawEllipse(At(circle.centre), circle.radius, circle.radius);
    }

    void operator()(const Arc& arc) const {
        const QRectF box(arc.centre.x - arc.radius, height - arc.centre.y - arc.radius,
                         2 * arc.radius, 2 * arc.radius);
        double span = std::fmod(arc.endDeg - arc.startDeg, 360.0);
        if (span <= 0) span += 360;
        QPainterPath path;
        path.arcMoveTo(box, arc.startDeg);
        path.arcTo(box, arc.startDeg, span);
        painter.drawPath(path);
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
        std::visit(*this, item.shape);
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
        writer.setTitle(QString::fromStdString(sheet.format));
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
        generator.setTitle(QString::fromStdString(sheet.format));
        QPainter painter(&generator);
        PaintSheet(painter, sheet);
        painter.end();
    }
    return BytesOf(bytes);
}

void WritePdf(const Sheet& sheet, const std::string& path) {
    ReplaceSheetFile(path, PdfBytes(sheet));
}

void WriteSvg(const Sheet& sheet, const std::string& path) {
    ReplaceSheetFile(path, SvgBytes(sheet));
}

}  // namespace gearpair
