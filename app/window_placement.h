// Where a desktop program puts a second window beside a dialog: on the side of the screen with
// more room, no wider than that room, vertically centred on the dialog; when neither side has
// room for the window's usual width, the dialog goes to the screen's other edge first. All in
// pixels of the screen. Also where a large window goes beside the input form.
#pragma once

#include <optional>

namespace gearpair {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }   // the first column past the rectangle
    int Bottom() const { return top + height; }  // the first row past it
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// What a window's frame adds to its client area, and the sizes the placement works with.
struct BesideRule {
    int frameWidth = 0;      // the frame's width less the client's
    int frameHeight = 0;     // its height less the client's
    int preferredWidth = 0;  // the client's usual size
    int preferredHeight = 0;
    int leastWidth = 0;  // the least client width, also where there is less room
    int gap = 0;         // between the dialog's frame and the window's
};

struct BesidePlacement {
    ScreenRect frame;                     // the window's frame
    std::optional<ScreenPoint> dialogAt;  // the dialog frame's new top-left, when it moves
};

// `screen` the work area, `dialog` the dialog's frame.
BesidePlacement PlaceBeside(const ScreenRect& screen, const ScreenRect& dialog,
                            const BesideRule& rule);

// A large window beside the input form: of the four free places around the form (right, left,
// below, above, the whole screen's height or width) the largest at least `least` in size, the
// window no larger than `wanted` there and touching the form. Where none has room the form moves
// to the screen's top-left corner first; where there is still none, the window takes the whole
// screen. All frames; `formAt` the form frame's new top-left, when it moves.
struct FormSidePlacement {
    ScreenRect frame;
    std::optional<ScreenPoint> formAt;
};
FormSidePlacement PlaceBesideForm(const ScreenRect& screen, const ScreenRect& form,
                                  ScreenPoint least, ScreenPoint wanted);

}  // namespace gearpair
