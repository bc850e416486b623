// Painting a sheet with GDI.
#include "win/sheet_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "drawing/drafting_font.h"
#include "win/controls.h"

namespace gearpair::win {

namespace {

// Path coordinates go to GDI in thousandths of a millimetre, texts in thousandths of their em.
constexpr double kUnitsPerMm = 1000;
constexpr int kTextEm = 1000;

LONG Units(double mm) {
    return static_cast<LONG>(std::lround(mm * kUnitsPerMm));
}

POINT At(Point p) {
    return POINT{Units(p.x), Units(p.y)};
}

// The paper's millimetres (y up from the bottom) in thousandths to device pixels.
XFORM PaperTransform(const PaperPlacement& paper) {
    const auto k = static_cast<FLOAT>(paper.scale / kUnitsPerMm);
    return XFORM{k,
                 0,
                 0,
                 -k,
                 static_cast<FLOAT>(paper.originX),
                 static_cast<FLOAT>(paper.originY + paper.heightMm * paper.scale)};
}

// The pens of one painting, one per line weight, made on first use.
class Pens {
public:
    explicit Pens(double scale) : scale_(scale) {}
    Pens(const Pens&) = delete;
    Pens& operator=(const Pens&) = delete;
    ~Pens() {
        for (const auto& [width, pen] : pens_) DeleteObject(pen);
    }

    HPEN For(double width) {
        for (const auto& [made, pen] : pens_) {
            if (made == width) return pen;
        }
        const double pixels = std::max(width * scale_, width / kThinWidth);
        LOGBRUSH brush{BS_SOLID, RGB(0, 0, 0), 0};
        const HPEN pen = ExtCreatePen(
            PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER,
            static_cast<DWORD>(std::lround(pixels / scale_ * kUnitsPerMm)), &brush, 0, nullptr);
        pens_.emplace_back(width, pen);
        return pen;
    }

private:
    double scale_;
    std::vector<std::pair<double, HPEN>> pens_;
};

void Stroke(HDC dc, const PathMark& path, Pens& pens) {
    BeginPath(dc);
    for (const PathStep& step : path.steps) {
        switch (step.op) {
            case PathOp::Move:
                MoveToEx(dc, Units(step.points[0].x), Units(step.points[0].y), nullptr);
                break;
            case PathOp::Line:
                LineTo(dc, Units(step.points[0].x), Units(step.points[0].y));
                break;
            case PathOp::Curve: {
                const POINT points[3] = {At(step.points[0]), At(step.points[1]),
                                         At(step.points[2])};
                PolyBezierTo(dc, points, 3);
                break;
            }
            case PathOp::Close:
                CloseFigure(dc);
                break;
        }
    }
    EndPath(dc);
    if (path.filled) {
        FillPath(dc);
        return;
    }
    SelectObject(dc, pens.For(path.width));
    StrokePath(dc);
}

void Write(HDC dc, const TextMark& text, const PaperPlacement& paper) {
    const double a = text.angleDeg * std::numbers::pi / 180;
    const double k = text.size * paper.scale / kTextEm;
    // Glyph space (x along the baseline, y down) to device pixels.
    const XFORM glyphs{
        static_cast<FLOAT>(std::cos(a) * k * text.stretch),
        static_cast<FLOAT>(-std::sin(a) * k * text.stretch),
        static_cast<FLOAT>(std::sin(a) * k),
        static_cast<FLOAT>(std::cos(a) * k),
        static_cast<FLOAT>(paper.originX + text.origin.x * paper.scale),
        static_cast<FLOAT>(paper.originY + (paper.heightMm - text.origin.y) * paper.scale)};
    SetWorldTransform(dc, &glyphs);
    // Each character advances by the drafting font's own width, as in the PDF: the screen
    // font's widths are rounded to whole pixels at the small sizes of a fitted sheet.
    const TrueTypeFont& font = DraftingFont();
    const std::wstring wide = Wide(text.text);
    std::vector<INT> advances(wide.size(), 0);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
        }
        if (c >= 0xDC00 && c < 0xE000) continue;  // the second half of a pair
        advances[i] = static_cast<INT>(std::lround(
            static_cast<double>(font.Advance(font.Glyph(c))) * kTextEm / font.UnitsPerEm()));
    }
    ExtTextOutW(dc, 0, 0, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()),
                advances.data());
}

}  // namespace

void PaintMarks(HDC dc, const std::vector<Mark>& marks, const PaperPlacement& paper) {
    const int mode = SetGraphicsMode(dc, GM_ADVANCED);
    XFORM previous{};
    GetWorldTransform(dc, &previous);
    const HFONT font =
        CreateFontW(-kTextEm, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                    DEFAULT_PITCH | FF_SWISS, Wide(kDraftingFontName).c_str());
    const HGDIOBJ oldFont = SelectObject(dc, font);
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    const XFORM onPaper = PaperTransform(paper);
    const HGDIOBJ oldPen = GetCurrentObject(dc, OBJ_PEN);
    Pens pens(paper.scale);
    for (const Mark& mark : marks) {
        if (const auto* path = std::get_if<PathMark>(&mark)) {
            SetWorldTransform(dc, &onPaper);
            Stroke(dc, *path, pens);
        } else {
            Write(dc, std::get<TextMark>(mark), paper);
        }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SetWorldTransform(dc, &previous);
    SetGraphicsMode(dc, mode);
}

bool LoadDraftingFontPrivately() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    std::wstring file(path, length);
    file.resize(file.find_last_of(L"\\/") + 1);
    file += Wide(kDraftingFontFile);
    return AddFontResourceExW(file.c_str(), FR_PRIVATE, nullptr) > 0;
}

}  // namespace gearpair::win
