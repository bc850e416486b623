// The keyway table by bore diameter.
#include "engine/keyway.h"

#include <array>

namespace gearpair {

namespace {

struct KeywayRow {
    double upTo;  // upper end of the bore range, inclusive
    Keyway keyway;
};

constexpr double kSmallestBore = 6;
constexpr std::array<KeywayRow, 26> kKeywayRows = {{
    {8, {2, 1.0}},      {10, {3, 1.4}},    {12, {4, 1.8}},    {17, {5, 2.3}},    {22, {6, 2.8}},
    {30, {8, 3.3}},     {38, {10, 3.3}},   {44, {12, 3.3}},   {50, {14, 3.8}},   {58, {16, 4.3}},
    {65, {18, 4.4}},    {75, {20, 4.9}},   {85, {22, 5.4}},   {95, {25, 5.4}},   {110, {28, 6.4}},
    {130, {32, 7.4}},   {150, {36, 8.4}},  {170, {40, 9.4}},  {200, {45, 10.4}}, {230, {50, 11.4}},
    {260, {56, 12.4}},  {290, {63, 12.4}}, {330, {70, 14.4}}, {380, {80, 15.4}}, {440, {90, 17.4}},
    {500, {100, 19.5}},
}};

}  // namespace

std::optional<Keyway> KeywayForBore(double bore) {
    if (!(bore >= kSmallestBore)) return std::nullopt;
    for (const KeywayRow& row : kKeywayRows) {
        if (bore <= row.upTo) return row.keyway;
    }
    return std::nullopt;
}

}  // namespace gearpair
