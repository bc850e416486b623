// The variant plot.
#include "ui/variant_plot.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace gearpair {

namespace {

// Room around the plotting area for the title, the tick labels, the axis titles and the
// legend, pixels.
constexpr double kLeftRoom = 64;
constexpr double kRightRoom = 18;
constexpr double kTopRoom = 30;
constexpr double kBottomRoom = 72;
// A click picks a point no farther than this, pixels.
constexpr double kPickRadius = 12;

const QColor kOtherColour(150, 150, 150);
const QColor kParetoColour(40, 90, 170);
const QColor kCurrentColour(230, 120, 0);
const QColor kChosenColour(20, 160, 60);
const QColor kUnbuildableColour(200, 40, 40);

// A cross of half-size `half` pixels: a pair that cannot be made.
void DrawCross(QPainter& painter, QPointF at, double half) {
    painter.drawLine(at - QPointF(half, half), at + QPointF(half, half));
    painter.drawLine(at - QPointF(half, -half), at + QPointF(half, -half));
}

// A round tick step (1, 2 or 5 times a power of ten) giving about six intervals over `span`.
double TickStep(double span) {
    const double raw = std::max(span, 1e-9) / 6;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    const double factor = normal < 1.5 ? 1 : normal < 3 ? 2 : normal < 7 ? 5 : 10;
    return factor * magnitude;
}

// A tick's label with the decimals its step needs and a decimal comma.
QString TickLabel(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step)));
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

QPainterPath Star(QPointF centre, double outer) {
    QPolygonF corners;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.45;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
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
    others_.clear();
    unbuildable_.clear();
    pareto_.clear();
    all_.clear();
    current_.reset();
    chosen_.reset();
    notCompleted_ = 0;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const Variant& v = variants[i];
        if (!v.Completed()) {
            ++notCompleted_;
            continue;
        }
        const Point point{{100 * v.SmallerMargin(), v.masses.total}, i};
        (!v.buildable ? unbuildable_ : v.pareto ? pareto_ : others_).push_back(point);
        all_.push_back(point);
        if (current == i) current_ = point;
    }
    std::stable_sort(pareto_.begin(), pareto_.end(),
                     [](const Point& a, const Point& b) { return a.value.x() < b.value.x(); });

    // The axes span the points with a little room, from tick to tick.
    double left = std::numeric_limits<double>::infinity();
    double right = -left;
    double bottom = left;
    double top = -left;
    for (const Point& point : all_) {
        left = std::min(left, point.value.x());
        right = std::max(right, point.value.x());
        bottom = std::min(bottom, point.value.y());
        top = std::max(top, point.value.y());
    }
    if (all_.empty()) {
        left = bottom = 0;
        right = top = 1;
    }
    const double dx = std::max((right - left) * 0.05, 1.0);
    const double dy = std::max((top - bottom) * 0.05, 1.0);
    left = std::max(0.0, left - dx);  // a completed design has room
    right += dx;
    bottom = std::max(0.0, bottom - dy);
    top += dy;
    xStep_ = TickStep(right - left);
    yStep_ = TickStep(top - bottom);
    left = std::floor(left / xStep_) * xStep_;
    right = std::ceil(right / xStep_) * xStep_;
    bottom = std::floor(bottom / yStep_) * yStep_;
    top = std::ceil(top / yStep_) * yStep_;
    span_ = QRectF(left, bottom, right - left, top - bottom);
    update();
}

void VariantPlot::SetChosen(std::optional<std::size_t> row) {
    chosen_.reset();
    for (const Point& point : all_) {
        if (point.row == row) chosen_ = point;
    }
    update();
}

QRectF VariantPlot::PlotArea() const {
    return QRectF(kLeftRoom, kTopRoom, std::max(1.0, width() - kLeftRoom - kRightRoom),
                  std::max(1.0, height() - kTopRoom - kBottomRoom));
}

QPointF VariantPlot::PixelOf(QPointF value) const {
    const QRectF area = PlotArea();
    return {area.left() + (value.x() - span_.left()) / span_.width() * area.width(),
            area.bottom() - (value.y() - span_.top()) / span_.height() * area.height()};
}

std::optional<std::size_t> VariantPlot::VariantAtPixel(QPointF pixel) const {
    std::optional<std::size_t> nearest;
    double best = kPickRadius * kPickRadius;
    for (const Point& point : all_) {
        const QPointF d = PixelOf(point.value) - pixel;
        const double distance = QPointF::dotProduct(d, d);
        if (distance <= best) {
            best = distance;
            nearest = point.row;
        }
    }
    return nearest;
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
    const QRectF area = PlotArea();
    const QFontMetricsF metrics(font());

    painter.setPen(Qt::black);
    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(QRectF(0, 0, width(), kTopRoom), Qt::AlignCenter,
                     QStringLiteral("Масса передачи и меньший из запасов"));
    painter.setFont(font());

    // The grid and the tick labels.
    const double h = metrics.height();
    for (double x = span_.left(); x <= span_.right() + xStep_ / 2; x += xStep_) {
        const double px = PixelOf({x, 0}).x();
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(px - 40, area.bottom() + 2, 80, h), Qt::AlignHCenter | Qt::AlignTop,
                         TickLabel(x, xStep_));
    }
    for (double y = span_.top(); y <= span_.bottom() + yStep_ / 2; y += yStep_) {
        const double py = PixelOf({0, y}).y();
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        painter.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, py - h / 2, kLeftRoom - 6, h), Qt::AlignRight | Qt::AlignVCenter,
                         TickLabel(y, yStep_));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(area);
    painter.drawText(QRectF(area.left(), area.bottom() + h + 2, area.width(), h), Qt::AlignCenter,
                     QStringLiteral("Меньший из двух запасов, %"));
    painter.save();
    painter.translate(12, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -h / 2, area.height(), h), Qt::AlignCenter,
                     QStringLiteral("Масса пары, кг"));
    painter.restore();

    // The points, the Pareto front over the others, the form's design and the chosen one on top.
    painter.save();
    painter.setClipRect(area.adjusted(-8, -8, 8, 8));
    // The many plain points as one marker image stamped at each: drawing each circle anew
    // would make the first paint several times longer.
    const QImage dot = Marker(kOtherColour, 3, devicePixelRatioF());
    const QPointF half(dot.width() / (2 * dot.devicePixelRatioF()),
                       dot.height() / (2 * dot.devicePixelRatioF()));
    for (const Point& point : others_) painter.drawImage(PixelOf(point.value) - half, dot);
    painter.setPen(QPen(kUnbuildableColour, 1.5));
    for (const Point& point : unbuildable_) DrawCross(painter, PixelOf(point.value), 3.5);
    QPolygonF front;
    for (const Point& point : pareto_) front << PixelOf(point.value);
    painter.setPen(QPen(kParetoColour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(front);
    painter.setPen(QPen(kParetoColour.darker(130), 0.8));
    painter.setBrush(kParetoColour);
    for (const QPointF& at : front) painter.drawEllipse(at, 4.5, 4.5);
    if (current_) {
        painter.setPen(QPen(kCurrentColour.darker(130), 0.8));
        painter.setBrush(kCurrentColour);
        painter.drawPath(Star(PixelOf(current_->value), 9));
    }
    if (chosen_) {
        painter.setPen(QPen(kChosenColour, 2));
        painter.setBrush(Qt::NoBrush);
        const QPointF at = PixelOf(chosen_->value);
        painter.drawRect(QRectF(at - QPointF(7, 7), QSizeF(14, 14)));
    }
    painter.restore();

    // The legend, one line under the axis title.
    double x = area.left();
    const double y = area.bottom() + 2 * h + 14;
    const auto entry = [&](const QString& text, const auto& mark) {
        mark(QPointF(x + 6, y));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(QPointF(x + 16, y + metrics.ascent() / 2 - 1), text);
        x += 16 + metrics.horizontalAdvance(text) + 18;
    };
    entry(QStringLiteral("Варианты"), [&](QPointF at) {
        painter.setPen(QPen(kOtherColour.darker(130), 0.8));
        painter.setBrush(kOtherColour);
        painter.drawEllipse(at, 3, 3);
    });
    if (!unbuildable_.empty()) {
        entry(QStringLiteral("Изготовить нельзя"), [&](QPointF at) {
            painter.setPen(QPen(kUnbuildableColour, 1.5));
            DrawCross(painter, at, 3.5);
        });
    }
    entry(QStringLiteral("Множество Парето"), [&](QPointF at) {
        painter.setPen(QPen(kParetoColour, 1.5));
        painter.drawLine(at - QPointF(6, 0), at + QPointF(6, 0));
        painter.setBrush(kParetoColour);
        painter.drawEllipse(at, 4, 4);
    });
    entry(QStringLiteral("Текущий вариант"), [&](QPointF at) {
        painter.setPen(QPen(kCurrentColour.darker(130), 0.8));
        painter.setBrush(kCurrentColour);
        painter.drawPath(Star(at, 7));
    });
    entry(QStringLiteral("Выбранный"), [&](QPointF at) {
        painter.setPen(QPen(kChosenColour, 2));
        painter.drawRect(QRectF(at - QPointF(5, 5), QSizeF(10, 10)));
    });
    if (notCompleted_ > 0) {
        entry(QStringLiteral("Не рассчитано (нет точки): %1").arg(notCompleted_), [](QPointF) {});
    }
}

}  // namespace gearpair
