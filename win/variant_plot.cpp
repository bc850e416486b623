// The variant plot in GDI.
#include "win/variant_plot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "win/controls.h"

namespace gearpair::win {

namespace {

COLORREF ColourOf(PlotColour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

COLORREF ColourOf(PlotMark mark) {
    return ColourOf(MarkColour(mark));
}

// A rim a little darker than the fill.
COLORREF Darker(PlotMark mark) {
    const PlotColour colour = MarkColour(mark);
    return RGB(colour.red * 10 / 13, colour.green * 10 / 13, colour.blue * 10 / 13);
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// The pen and the brush of one mark, selected while it lives.
class Tools {
public:
    Tools(HDC dc, COLORREF pen, double penWidth, const COLORREF* fill)
        : dc_(dc),
          pen_(CreatePen(PS_SOLID, std::max(1, Round(penWidth)), pen)),
          brush_(fill ? CreateSolidBrush(*fill) : nullptr),
          oldPen_(SelectObject(dc, pen_)),
          oldBrush_(SelectObject(
              dc, brush_ ? static_cast<HGDIOBJ>(brush_) : GetStockObject(NULL_BRUSH))) {}
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;
    ~Tools() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        if (brush_) DeleteObject(brush_);
    }

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

void Line(HDC dc, double x1, double y1, double x2, double y2) {
    MoveToEx(dc, Round(x1), Round(y1), nullptr);
    LineTo(dc, Round(x2), Round(y2));
}

void Dot(HDC dc, PlotXY at, double radius) {
    Ellipse(dc, Round(at.x - radius), Round(at.y - radius), Round(at.x + radius) + 1,
            Round(at.y + radius) + 1);
}

void Cross(HDC dc, PlotXY at, double half) {
    Line(dc, at.x - half, at.y - half, at.x + half + 1, at.y + half + 1);
    Line(dc, at.x - half, at.y + half, at.x + half + 1, at.y - half - 1);
}

void Star(HDC dc, PlotXY at, double outer) {
    std::vector<POINT> corners;
    for (const PlotXY corner : StarCorners(at, outer)) {
        corners.push_back({Round(corner.x), Round(corner.y)});
    }
    Polygon(dc, corners.data(), static_cast<int>(corners.size()));
}

void Frame(HDC dc, PlotXY at, double half) {
    Rectangle(dc, Round(at.x - half), Round(at.y - half), Round(at.x + half) + 1,
              Round(at.y + half) + 1);
}

void Text(HDC dc, const std::string& text, RECT box, UINT format) {
    const std::wstring wide = Wide(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box,
              format | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

int TextWidth(HDC dc, const std::string& text) {
    const std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

}  // namespace

void PaintVariantPlot(HDC dc, int width, int height, double scale, const VariantPlotLayout& layout,
                      HFONT font, HFONT bold) {
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const auto s = [scale](double logical) { return logical * scale; };
    const PlotRect area = VariantPlotLayout::Area(width, height, scale);
    const HGDIOBJ oldFont = SelectObject(dc, bold);
    Text(dc, std::string(kPlotTitle), RECT{0, 0, width, Round(s(VariantPlotLayout::kTopRoom))},
         DT_CENTER | DT_VCENTER);
    SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int h = metrics.tmHeight;

    // The grid and the tick labels.
    {
        Tools grid(dc, ColourOf(kGridColour), 1, nullptr);
        for (const PlotTick& tick : layout.XTicks()) {
            const double px = layout.PixelOf({tick.value, 0}, area).x;
            Line(dc, px, area.top, px, area.Bottom());
        }
        for (const PlotTick& tick : layout.YTicks()) {
            const double py = layout.PixelOf({0, tick.value}, area).y;
            Line(dc, area.left, py, area.Right(), py);
        }
    }
    const int bottom = Round(area.Bottom());
    for (const PlotTick& tick : layout.XTicks()) {
        const int px = Round(layout.PixelOf({tick.value, 0}, area).x);
        Text(dc, tick.label,
             RECT{px - Round(s(40)), bottom + Round(s(2)), px + Round(s(40)),
                  bottom + Round(s(2)) + h},
             DT_CENTER | DT_TOP);
    }
    for (const PlotTick& tick : layout.YTicks()) {
        const int py = Round(layout.PixelOf({0, tick.value}, area).y);
        Text(dc, tick.label,
             RECT{0, py - h / 2, Round(s(VariantPlotLayout::kLeftRoom - 6)), py + h - h / 2},
             DT_RIGHT | DT_VCENTER);
    }
    {
        Tools frame(dc, RGB(0, 0, 0), 1, nullptr);
        Rectangle(dc, Round(area.left), Round(area.top), Round(area.Right()) + 1, bottom + 1);
    }
    Text(dc, std::string(kPlotXCaption),
         RECT{Round(area.left), bottom + h + Round(s(2)), Round(area.Right()),
              bottom + 2 * h + Round(s(2))},
         DT_CENTER | DT_TOP);
    // The mass caption upwards along the left edge.
    LOGFONTW upright{};
    GetObjectW(font, sizeof upright, &upright);
    upright.lfEscapement = upright.lfOrientation = 900;
    const HFONT rotated = CreateFontIndirectW(&upright);
    const int captionWidth = TextWidth(dc, std::string(kPlotYCaption));
    SelectObject(dc, rotated);
    const std::wstring yCaption = Wide(kPlotYCaption);
    TextOutW(dc, Round(s(12)) - h / 2, Round(area.top + area.height / 2) + captionWidth / 2,
             yCaption.c_str(), static_cast<int>(yCaption.size()));
    SelectObject(dc, font);
    DeleteObject(rotated);

    // The points, the Pareto front over the others, the form's design and the chosen one on top.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, Round(area.left - s(8)), Round(area.top - s(8)),
                      Round(area.Right() + s(8)), Round(area.Bottom() + s(8)));
    const auto pixel = [&](PlotXY value) { return layout.PixelOf(value, area); };
    {
        const COLORREF fill = ColourOf(PlotMark::Other);
        Tools tools(dc, Darker(PlotMark::Other), 1, &fill);
        for (const auto& point : layout.Others()) Dot(dc, pixel(point.value), s(3));
    }
    {
        Tools tools(dc, ColourOf(PlotMark::Unbuildable), s(1.5), nullptr);
        for (const auto& point : layout.Unbuildable()) Cross(dc, pixel(point.value), s(3.5));
    }
    std::vector<POINT> front;
    for (const auto& point : layout.Pareto()) {
        const PlotXY at = pixel(point.value);
        front.push_back({Round(at.x), Round(at.y)});
    }
    {
        Tools tools(dc, ColourOf(PlotMark::Pareto), s(1.5), nullptr);
        Polyline(dc, front.data(), static_cast<int>(front.size()));
    }
    {
        const COLORREF fill = ColourOf(PlotMark::Pareto);
        Tools tools(dc, Darker(PlotMark::Pareto), 1, &fill);
        for (const auto& point : layout.Pareto()) Dot(dc, pixel(point.value), s(4.5));
    }
    if (layout.Current()) {
        const COLORREF fill = ColourOf(PlotMark::Current);
        Tools tools(dc, Darker(PlotMark::Current), 1, &fill);
        Star(dc, pixel(layout.Current()->value), s(9));
    }
    if (layout.Chosen()) {
        Tools tools(dc, ColourOf(PlotMark::Chosen), s(2), nullptr);
        Frame(dc, pixel(layout.Chosen()->value), s(7));
    }
    RestoreDC(dc, saved);

    // The legend under the axis title, on a second line when a narrow plot needs one.
    double x = area.left;
    double y = area.Bottom() + 2 * h + s(14);
    for (const PlotLegendEntry& entry : layout.Legend()) {
        const int textWidth = TextWidth(dc, entry.text);
        if (x > area.left && x + s(16) + textWidth > width) {
            x = area.left;
            y += h + s(2);
        }
        const PlotXY at{x + s(6), y};
        const COLORREF fill = ColourOf(entry.mark);
        switch (entry.mark) {
            case PlotMark::Other: {
                Tools tools(dc, Darker(entry.mark), 1, &fill);
                Dot(dc, at, s(3));
                break;
            }
            case PlotMark::Unbuildable: {
                Tools tools(dc, fill, s(1.5), nullptr);
                Cross(dc, at, s(3.5));
                break;
            }
            case PlotMark::Pareto: {
                Tools tools(dc, fill, s(1.5), &fill);
                Line(dc, at.x - s(6), at.y, at.x + s(6), at.y);
                Dot(dc, at, s(4));
                break;
            }
            case PlotMark::Current: {
                Tools tools(dc, Darker(entry.mark), 1, &fill);
                Star(dc, at, s(7));
                break;
            }
            case PlotMark::Chosen: {
                Tools tools(dc, fill, s(2), nullptr);
                Frame(dc, at, s(5));
                break;
            }
            case PlotMark::None:
                break;
        }
        const int left = Round(x + s(16));
        Text(dc, entry.text, RECT{left, Round(y) - h / 2, left + textWidth, Round(y) + h - h / 2},
             DT_LEFT | DT_VCENTER);
        x += s(16) + textWidth + s(18);
    }
    SelectObject(dc, oldFont);
}

}  // namespace gearpair::win
