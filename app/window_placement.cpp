// A window beside a dialog.
#include "app/window_placement.h"

#include <algorithm>

namespace gearpair {

BesidePlacement PlaceBeside(const ScreenRect& screen, const ScreenRect& dialog,
                            const BesideRule& rule) {
    BesidePlacement placement;
    ScreenRect taken = dialog;
    // The dialog's edges as far as they lie on the work area: a dialog partly or wholly off it
    // (under a taskbar, on another monitor) leaves the work area's room on that side.
    const auto takenLeft = [&] { return std::clamp(taken.left, screen.left, screen.Right()); };
    const auto takenRight = [&] { return std::clamp(taken.Right(), screen.left, screen.Right()); };
    const auto roomRight = [&] { return screen.Right() - takenRight() - rule.gap; };
    const auto roomLeft = [&] { return takenLeft() - screen.left - rule.gap; };
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
    // Beside the dialog, but on the work area even where that means over the dialog (a window
    // at its least width and no room).
    const int x = std::clamp(right ? takenRight() + rule.gap : takenLeft() - rule.gap - width,
                             screen.left, std::max(screen.left, screen.Right() - width));
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
    // The form's edges as far as they lie on the work area, so that every side is on it.
    const int formLeft = std::clamp(form.left, screen.left, screen.Right());
    const int formRight = std::clamp(form.Right(), screen.left, screen.Right());
    const int formTop = std::clamp(form.top, screen.top, screen.Bottom());
    const int formBottom = std::clamp(form.Bottom(), screen.top, screen.Bottom());
    const ScreenRect sides[4] = {
        {formRight, screen.top, screen.Right() - formRight, screen.height},
        {screen.left, screen.top, formLeft - screen.left, screen.height},
        {screen.left, formBottom, screen.width, screen.Bottom() - formBottom},
        {screen.left, screen.top, screen.width, formTop - screen.top}};
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
