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

}  // namespace gearpair
