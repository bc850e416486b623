// A window beside a dialog.
#include "app/window_placement.h"

#include <algorithm>

namespace gearpair {

BesidePlacement PlaceBeside(const ScreenRect& screen, const ScreenRect& dialog,
                            const BesideRule& rule) {
    BesidePlacement placement;
    ScreenRect taken = dialog;
    const auto roomRight = [&] { return screen.Right() - taken.Right() - rule.gap; };
    const auto roomLeft = [&] { return taken.left - screen.left - rule.gap; };
    const bool right = roomRight() >= roomLeft();
    // Too little room on either side: the dialog moves to the screen's other edge.
    if (std::max(roomRight(), roomLeft()) < rule.preferredWidth + rule.frameWidth) {
        taken.left = right ? screen.left : screen.Right() - taken.width;
        placement.dialogAt = ScreenPoint{taken.left, taken.top};
    }
    const int room = right ? roomRight() : roomLeft();
    const int width =
        std::max(std::min(rule.preferredWidth, room - rule.frameWidth), rule.leastWidth) +
        rule.frameWidth;
    const int height =
        std::min(rule.preferredHeight, screen.height - rule.frameHeight) + rule.frameHeight;
    const int x = right ? taken.Right() + rule.gap : taken.left - rule.gap - width;
    // Centred on the dialog, kept on the screen.
    const int centre = taken.top + (taken.height - 1) / 2;
    const int y =
        std::clamp(centre - height / 2, screen.top, std::max(screen.top, screen.Bottom() - height));
    placement.frame = ScreenRect{x, y, width, height};
    return placement;
}

namespace {

// The largest of the four places beside `form` that has room, or none.
std::optional<ScreenRect> LargestSideOf(const ScreenRect& screen, const ScreenRect& form,
                                        ScreenPoint least, ScreenPoint wanted) {
    const ScreenRect sides[4] = {
        {form.Right(), screen.top, screen.Right() - form.Right(), screen.height},
        {screen.left, screen.top, form.left - screen.left, screen.height},
        {screen.left, form.Bottom(), screen.width, screen.Bottom() - form.Bottom()},
        {screen.left, screen.top, screen.width, form.top - screen.top}};
    std::optional<ScreenRect> best;
    long bestArea = 0;
    for (int i = 0; i < 4; ++i) {
        const ScreenRect& side = sides[i];
        const long area = static_cast<long>(side.width) * side.height;
        if (side.width < least.x || side.height < least.y || area <= bestArea) continue;
        bestArea = area;
        const int width = std::min(side.width, wanted.x);
        const int height = std::min(side.height, wanted.y);
        // Right and below start at the form, left and above end at it.
        const int left = i == 1 ? side.Right() - width : side.left;
        const int top = i == 3 ? side.Bottom() - height : side.top;
        best = ScreenRect{left, top, width, height};
    }
    return best;
}

}  // namespace

FormSidePlacement PlaceBesideForm(const ScreenRect& screen, const ScreenRect& form,
                                  ScreenPoint least, ScreenPoint wanted) {
    if (const auto side = LargestSideOf(screen, form, least, wanted)) return {*side, std::nullopt};
    const ScreenRect moved{screen.left, screen.top, form.width, form.height};
    if (const auto side = LargestSideOf(screen, moved, least, wanted)) {
        return {*side, ScreenPoint{moved.left, moved.top}};
    }
    return {screen, ScreenPoint{moved.left, moved.top}};
}

}  // namespace gearpair
