// The zoom and position of a sheet of paper in a view: fitted when it opens, zoomed about a
// point, moved by dragging, fitted again on request. View pixels from the view's top-left
// corner, paper millimetres from the sheet's top-left corner, y down in both.
#pragma once

namespace gearpair {

struct PaperPoint {
    double x = 0;
    double y = 0;
};

class PaperZoom {
public:
    // The zoom of one mouse-wheel notch or one press of a zoom key.
    static constexpr double kStep = 1.2;
    // The finest zoom: 40 pixels per millimetre shows a 0,25 mm line ten pixels wide.
    static constexpr double kMaxScale = 40.0;
    // Free space around the fitted sheet, pixels.
    static constexpr double kFitMargin = 12.0;

    // The view's and the paper's sizes; a resized view stays fitted until the user zooms or
    // moves the sheet.
    void Resize(double viewWidth, double viewHeight);
    void SetPaper(double widthMm, double heightMm);

    // The whole sheet in the view, centred, with the margin.
    void Fit();
    bool IsFitted() const { return fitted_; }

    // Multiplies the zoom by `factor`, keeping the point of the paper under `at` where it is;
    // the zoom stays between a quarter of the fitted one and kMaxScale (or the fitted one where
    // that is finer).
    void ZoomAt(PaperPoint at, double factor);
    // Moves the sheet by the given pixels.
    void Pan(double dx, double dy);

    // Pixels per millimetre of paper, and the view position of the sheet's top-left corner.
    double Scale() const { return scale_; }
    PaperPoint Origin() const { return origin_; }
    // The point of the paper (mm) at a view position.
    PaperPoint PaperAt(PaperPoint position) const;

private:
    double FitScale() const;

    double viewWidth_ = 0;
    double viewHeight_ = 0;
    double paperWidth_ = 0;
    double paperHeight_ = 0;
    double scale_ = 1.0;
    PaperPoint origin_;
    bool fitted_ = true;
};

}  // namespace gearpair
