// Roughness signs.
#include "drawing/roughness.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/decimal_text.h"
#include "drawing/sheet_expand.h"

namespace gearpair {

namespace {

// The legs make 60 degrees with each other and with the line the sign stands on: each runs
// tan 30 degrees of its height sideways.
constexpr double kLegSlope = 0.5773502691896257;
constexpr double kShortLeg = kTextHeight;
constexpr double kLongLegRun = kRoughnessSignHeight * kLegSlope;
// The parameter under the shelf: 1,5 mm below it, starting where the long leg ends.
constexpr double kTextBelowShelf = 1.5;
constexpr double kTextIndent = 0.5;
constexpr double kShelfBeyondText = 1;
// Brackets of the general mark, as high as the sign.
constexpr double kBracketHeight = kRoughnessSignHeight;
constexpr double kBracketGap = 1;

double LeftOfTip() {
    return kShortLeg * kLegSlope;
}

double RightOfTip(const std::string& parameter) {
    return kLongLegRun + kTextIndent + TextWidth(parameter, kTextHeight) + kShelfBeyondText;
}

// The sign's lines and parameter relative to its tip, paper mm.
struct SignShapes {
    std::vector<Line> lines;
    std::optional<Text> text;
};

SignShapes Sign(Point tip, const std::string& parameter) {
    SignShapes sign;
    const Point shortEnd{tip.x - LeftOfTip(), tip.y + kShortLeg};
    const Point longEnd{tip.x + kLongLegRun, tip.y + kRoughnessSignHeight};
    sign.lines = {{tip, shortEnd}, {tip, longEnd}};
    if (!parameter.empty()) {
        sign.lines.push_back({longEnd, {tip.x + RightOfTip(parameter), longEnd.y}});
        sign.text = Text{{longEnd.x + kTextIndent, longEnd.y - kTextBelowShelf - kTextHeight},
                         parameter,
                         kTextHeight,
                         Anchor::BottomLeft};
    }
    return sign;
}

}  // namespace

std::string RoughnessText(double ra) {
    return "Ra " + DecimalText(ra, 1);
}

double RoughnessMarkWidth(const std::string& parameter) {
    return LeftOfTip() + RightOfTip(parameter);
}

void DrawRoughnessSign(SheetPen& pen, Point tip, const std::string& parameter) {
    const SignShapes sign = Sign(tip, parameter);
    for (const Line& line : sign.lines) pen.PaperLine(Layer::Dimension, line.from, line.to);
    if (sign.text) pen.Add(Layer::Text, *sign.text);
}

double RoughnessShelfReach(const std::string& parameter) {
    return RightOfTip(parameter);
}

double RoughnessBackReach() {
    return LeftOfTip();
}

void DrawRoughnessSignOnVertical(SheetPen& pen, Point tip, const std::string& parameter,
                                 bool leftOfLine) {
    // A quarter turn about the tip: counter-clockwise to the left of the line, clockwise to
    // the right.
    const double turn = leftOfLine ? 1 : -1;
    const auto turned = [&](Point p) {
        const double dx = p.x - tip.x;
        const double dy = p.y - tip.y;
        return Point{tip.x - turn * dy, tip.y + turn * dx};
    };
    const SignShapes sign = Sign(tip, parameter);
    for (const Line& line : sign.lines) {
        pen.PaperLine(Layer::Dimension, turned(line.from), turned(line.to));
    }
    if (sign.text) {
        Text text = *sign.text;
        text.at = turned(text.at);
        text.angleDeg = 90 * turn;
        pen.Add(Layer::Text, text);
    }
}

void RoughnessOnLeader(SheetPen& pen, Point target, Point shelf, const std::string& parameter,
                       bool leftward) {
    const double length = RoughnessMarkWidth(parameter) + 2;
    const Point end{leftward ? shelf.x - length : shelf.x + length, shelf.y};
    const Point tip = pen.Frame().ToPaper(target);
    pen.PaperLine(Layer::Dimension, tip, shelf);
    pen.PaperLine(Layer::Dimension, shelf, end);
    pen.Arrow(tip, {tip.x - shelf.x, tip.y - shelf.y});
    const double left = std::min(shelf.x, end.x);
    DrawRoughnessSign(pen, {left + 1 + LeftOfTip(), shelf.y}, parameter);
}

double GeneralRoughnessWidth(const std::string& parameter) {
    return RoughnessMarkWidth(parameter) + 2 * (kBracketGap + TextWidth("(", kBracketHeight)) +
           LeftOfTip() + kLongLegRun + 2 * kBracketGap;
}

void DrawGeneralRoughness(Sheet& sheet, Point topRight, const std::string& parameter) {
    const double bracket = TextWidth("(", kBracketHeight);
    const double bottom = topRight.y - kGeneralRoughnessHeight;
    double x = topRight.x - GeneralRoughnessWidth(parameter);
    const auto add = [&sheet](Layer layer, Shape shape) {
        sheet.items.push_back({layer, std::move(shape)});
    };
    const auto sign = [&](Point tip, const std::string& text) {
        const SignShapes shapes = Sign(tip, text);
        for (const Line& line : shapes.lines) add(Layer::Dimension, line);
        if (shapes.text) add(Layer::Text, *shapes.text);
    };
    sign({x + LeftOfTip(), bottom}, parameter);
    x += RoughnessMarkWidth(parameter) + kBracketGap;
    add(Layer::Text, Text{{x, bottom}, "(", kBracketHeight, Anchor::BottomLeft});
    x += bracket + kBracketGap;
    sign({x + LeftOfTip(), bottom}, "");
    x += LeftOfTip() + kLongLegRun + kBracketGap;
    add(Layer::Text, Text{{x, bottom}, ")", kBracketHeight, Anchor::BottomLeft});
}

}  // namespace gearpair
