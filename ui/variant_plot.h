// The plot of the variants window painted with Qt from its layout (app/variant_plot_layout.h);
// a click picks the nearest point.
#pragma once

#include <QPointF>
#include <QWidget>

#include <optional>
#include <vector>

#include "app/variant_plot_layout.h"
#include "engine/variant_search.h"

namespace gearpair {

class VariantPlot : public QWidget {
    Q_OBJECT

public:
    explicit VariantPlot(QWidget* parent = nullptr);

    // The points of `variants`, the form's design among them being `current`.
    void SetVariants(const std::vector<Variant>& variants, std::optional<std::size_t> current);
    // Frames the chosen variant's point; none when it has no point.
    void SetChosen(std::optional<std::size_t> row);

    const VariantPlotLayout& Layout() const { return layout_; }
    // The widget position of a value (margin %, mass kg).
    QPointF PixelOf(PlotXY value) const;
    // The variant whose point is nearest to `pixel` (widget position), within the pick radius.
    std::optional<std::size_t> VariantAtPixel(QPointF pixel) const;

signals:
    // A click on or near a point.
    void VariantClicked(std::size_t row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PlotRect Area() const;

    VariantPlotLayout layout_;
};

}  // namespace gearpair
