// The plot of the variants window: total mass against the smaller of the two check margins,
// one point per completed variant, the Pareto set's points joined in order of margin, the
// form's design as a star and the chosen variant framed; the variants that did not complete
// have no point and are counted under the plot. Painted by the widget itself; a click picks
// the nearest point.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <optional>
#include <vector>

#include "engine/variant_search.h"

namespace gearpair {

class VariantPlot : public QWidget {
    Q_OBJECT

public:
    // A completed variant's point: the smaller margin in per cent, the total mass in kg.
    struct Point {
        QPointF value;
        std::size_t row;  // the variant's place in the search's list
    };

    explicit VariantPlot(QWidget* parent = nullptr);

    // The points of `variants`, the form's design among them being `current`.
    void SetVariants(const std::vector<Variant>& variants, std::optional<std::size_t> current);
    // Frames the chosen variant's point; none when it has no point.
    void SetChosen(std::optional<std::size_t> row);

    const std::vector<Point>& Others() const { return others_; }
    // Completed designs whose pair cannot be made: crosses, never on the front.
    const std::vector<Point>& Unbuildable() const { return unbuildable_; }
    const std::vector<Point>& Pareto() const { return pareto_; }  // by margin ascending
    std::optional<Point> Current() const { return current_; }
    // The axes' span: margins across, masses up, with a little room, ends on their ticks.
    const QRectF& Span() const { return span_; }
    // The widget position of a value (margin %, mass kg).
    QPointF PixelOf(QPointF value) const;
    // The variant whose point is nearest to `pixel` (widget position), within 12 pixels.
    std::optional<std::size_t> VariantAtPixel(QPointF pixel) const;

signals:
    // A click on or near a point.
    void VariantClicked(std::size_t row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF PlotArea() const;

    std::vector<Point> others_;
    std::vector<Point> unbuildable_;
    std::vector<Point> pareto_;
    std::optional<Point> current_;
    std::optional<Point> chosen_;
    std::vector<Point> all_;  // every point, for the picking
    int notCompleted_ = 0;
    QRectF span_{0, 0, 1, 1};
    double xStep_ = 1;
    double yStep_ = 1;
};

}  // namespace gearpair
