// The arrangement pictures. The drawing is the Qt program's: coordinates in logical pixels,
// turned into device pixels for the screen's resolution.
#include "win/pictures.h"

#include <algorithm>
#include <cmath>

#include "app/arrangement_picture.h"

namespace gearpair::win {

namespace {

// Logical picture coordinates to the device pixels of the button.
class Canvas {
public:
    Canvas(HDC dc, POINT origin, double scale) : dc_(dc), origin_(origin), scale_(scale) {}

    POINT At(double x, double y) const {
        return {origin_.x + static_cast<LONG>(std::lround(x * scale_)),
                origin_.y + static_cast<LONG>(std::lround(y * scale_))};
    }
    void Line(double x1, double y1, double x2, double y2) const {
        const POINT from = At(x1, y1);
        const POINT to = At(x2, y2);
        MoveToEx(dc_, from.x, from.y, nullptr);
        LineTo(dc_, to.x, to.y);
    }
    void Box(double left, double top, double right, double bottom, COLORREF fill) const {
        const HBRUSH brush = CreateSolidBrush(fill);
        const HGDIOBJ old = SelectObject(dc_, brush);
        const POINT a = At(left, top);
        const POINT b = At(right, bottom);
        Rectangle(dc_, a.x, a.y, b.x + 1, b.y + 1);
        SelectObject(dc_, old);
        DeleteObject(brush);
    }
    void Frame(double left, double top, double right, double bottom) const {
        const HGDIOBJ old = SelectObject(dc_, GetStockObject(NULL_BRUSH));
        const POINT a = At(left, top);
        const POINT b = At(right, bottom);
        Rectangle(dc_, a.x, a.y, b.x + 1, b.y + 1);
        SelectObject(dc_, old);
    }
    int Pen(double width) const {
        return std::max(1, static_cast<int>(std::lround(width * scale_)));
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    POINT origin_;
    double scale_;
};

// A rolling bearing as drawings show it: a square with its two diagonals, on its support.
void DrawBearing(const Canvas& canvas, double x) {
    const double left = x - kBearingHalfWidth;
    const double right = x + kBearingHalfWidth;
    const double top = kShaftY - kBearingHalfHeight;
    const double bottom = kShaftY + kBearingHalfHeight;
    canvas.Box(left, top, right, bottom, RGB(255, 255, 255));
    canvas.Line(left, top, right, bottom);
    canvas.Line(right, top, left, bottom);
    canvas.Line(x, bottom, x, bottom + 5);
    canvas.Line(x - 7, bottom + 5, x + 7, bottom + 5);
}

void DrawPicture(const Canvas& canvas, int arrangement) {
    const ArrangementLayout layout = LayoutOf(arrangement);
    const HDC dc = canvas.Dc();
    const HPEN outline = CreatePen(PS_SOLID, canvas.Pen(1.0), RGB(32, 32, 32));
    HGDIOBJ oldPen = SelectObject(dc, outline);
    canvas.Box(layout.shaftLeft, kShaftY - kShaftHalfHeight, layout.shaftRight,
               kShaftY + kShaftHalfHeight, RGB(150, 150, 150));
    DrawBearing(canvas, layout.leftBearing);
    DrawBearing(canvas, layout.rightBearing);

    // the gear across the shaft, hatched at 45 degrees as a section
    const double left = layout.gear - kGearHalfWidth;
    const double right = layout.gear + kGearHalfWidth;
    const double top = kShaftY - kGearHalfHeight;
    const double bottom = kShaftY + kGearHalfHeight;
    canvas.Box(left, top, right, bottom, RGB(70, 110, 170));
    const HPEN hatch = CreatePen(PS_SOLID, canvas.Pen(1.0), RGB(200, 215, 235));
    SelectObject(dc, hatch);
    for (double y = top - (right - left); y < bottom; y += 5) {
        // the line x + y = sum, clipped to the gear
        const double sum = left + y + (right - left);
        const double x1 = std::max(left, sum - bottom);
        const double x2 = std::min(right, sum - top);
        if (x1 < x2) canvas.Line(x1, sum - x1, x2, sum - x2);
    }
    SelectObject(dc, outline);
    canvas.Frame(left, top, right, bottom);

    // dash-dot axis over the whole picture width
    const HPEN axis = CreatePen(PS_DASHDOT, 1, RGB(160, 40, 40));
    SelectObject(dc, axis);
    canvas.Line(2, kShaftY, kArrangementPictureSize.cx - 2, kShaftY);
    SelectObject(dc, oldPen);
    DeleteObject(axis);
    DeleteObject(hatch);
    DeleteObject(outline);
}

}  // namespace

void PaintArrangementButton(const DRAWITEMSTRUCT& item, int arrangement, bool down) {
    const HDC dc = item.hDC;
    RECT place = item.rcItem;
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (down) {
        // one part highlight to two parts face
        const COLORREF mark = GetSysColor(COLOR_HIGHLIGHT);
        face = RGB((2 * GetRValue(face) + GetRValue(mark)) / 3,
                   (2 * GetGValue(face) + GetGValue(mark)) / 3,
                   (2 * GetBValue(face) + GetBValue(mark)) / 3);
    }
    const HBRUSH brush = CreateSolidBrush(face);
    FillRect(dc, &place, brush);
    DeleteObject(brush);

    const double scale = GetDeviceCaps(dc, LOGPIXELSY) / 96.0;
    const int width = static_cast<int>(std::lround(kArrangementPictureSize.cx * scale));
    const int height = static_cast<int>(std::lround(kArrangementPictureSize.cy * scale));
    POINT origin{(place.left + place.right - width) / 2, (place.top + place.bottom - height) / 2};
    if (down) {
        origin.x += 1;
        origin.y += 1;
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, place.left, place.top, place.right, place.bottom);
    DrawPicture(Canvas(dc, origin, scale), arrangement);
    RestoreDC(dc, saved);
    // The frame last: the picture is a pixel taller than the button and must not cover it.
    DrawEdge(dc, &place, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&place, -3, -3);
        DrawFocusRect(dc, &place);
    }
}

}  // namespace gearpair::win
