// Where a sheet's items land in its DXF model: the mapping from the paper, shared by the
// header, the entities and the blocks.
#pragma once

#include <charconv>
#include <cmath>
#include <string>

#include "drawing/sheet.h"

namespace gearpair::sheet_dxf {

// Sheet (paper) coordinates to model coordinates. A view's geometry lands at the part's real
// size; everything else (frame, table, requirements, title block, texts) is enlarged by the
// inverse of the sheet's scale around the sheet's origin, so that the model plotted at the
// sheet's scale is the paper sheet.
class ModelSpace {
public:
    explicit ModelSpace(const Sheet& sheet) : sheet_(sheet), factor_(1 / SheetScale(sheet)) {}

    // Model mm per paper mm outside the views.
    double Factor() const { return factor_; }

    Point Map(Point paper, int view) const {
        if (view == kNoView) return {paper.x * factor_, paper.y * factor_};
        const ViewPlace& place = sheet_.views[static_cast<std::size_t>(view)].place;
        return FromPart(place.ToPart(paper), place);
    }
    // A part point of a view (dimensions keep theirs in the part's mm). A view drawn at a
    // scale of its own (an enlarged local view) is enlarged in the model by as much as on the
    // paper, so that its dimensions' texts keep their place on it.
    Point FromPart(Point part, const ViewPlace& place) const {
        const double m = Magnification(place);
        return {place.origin.x * factor_ + part.x * m, place.origin.y * factor_ + part.y * m};
    }
    double Length(double paper, int view) const {
        if (view == kNoView) return paper * factor_;
        const ViewPlace& place = sheet_.views[static_cast<std::size_t>(view)].place;
        return paper / place.scale * Magnification(place);
    }
    // How much larger than the part a view lands in the model: 1 at the sheet's scale.
    double Magnification(const ViewPlace& place) const {
        const double m = place.scale * factor_;
        return std::fabs(m - 1) < 1e-9 ? 1 : m;
    }

private:
    // Paper mm per part mm of the sheet's scale text: "1:2" 0.5, "2,5:1" 2.5.
    static double SheetScale(const Sheet& sheet) {
        if (!sheet.views.empty()) return sheet.views.front().place.scale;
        const auto colon = sheet.scale.find(':');
        if (colon == std::string::npos) return 1;
        auto number = [](std::string text) {
            for (char& c : text) c = c == ',' ? '.' : c;
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            return value;
        };
        const double paper = number(sheet.scale.substr(0, colon));
        const double part = number(sheet.scale.substr(colon + 1));
        return paper > 0 && part > 0 ? paper / part : 1;
    }

    const Sheet& sheet_;
    double factor_;
};

}  // namespace gearpair::sheet_dxf
