// Zoom, pan and fit of a sheet in a view.
#include "app/paper_zoom.h"

#include <algorithm>

namespace gearpair {

void PaperZoom::Resize(double viewWidth, double viewHeight) {
    viewWidth_ = viewWidth;
    viewHeight_ = viewHeight;
    if (fitted_) Fit();
}

void PaperZoom::SetPaper(double widthMm, double heightMm) {
    paperWidth_ = widthMm;
    paperHeight_ = heightMm;
    Fit();
}

double PaperZoom::FitScale() const {
    if (paperWidth_ <= 0 || paperHeight_ <= 0) return 1.0;
    const double free = 2 * kFitMargin;
    const double scale =
        std::min((viewWidth_ - free) / paperWidth_, (viewHeight_ - free) / paperHeight_);
    return std::max(scale, 0.01);
}

void PaperZoom::Fit() {
    fitted_ = true;
    scale_ = FitScale();
    origin_ = {(viewWidth_ - paperWidth_ * scale_) / 2, (viewHeight_ - paperHeight_ * scale_) / 2};
}

void PaperZoom::ZoomAt(PaperPoint at, double factor) {
    const double fit = FitScale();
    const double scale = std::clamp(scale_ * factor, fit / 4, std::max(kMaxScale, fit));
    if (scale == scale_) return;
    const PaperPoint paper = PaperAt(at);
    scale_ = scale;
    origin_ = {at.x - paper.x * scale_, at.y - paper.y * scale_};
    fitted_ = false;
}

void PaperZoom::Pan(double dx, double dy) {
    if (dx == 0 && dy == 0) return;
    origin_.x += dx;
    origin_.y += dy;
    fitted_ = false;
}

PaperPoint PaperZoom::PaperAt(PaperPoint position) const {
    return {(position.x - origin_.x) / scale_, (position.y - origin_.y) / scale_};
}

}  // namespace gearpair
