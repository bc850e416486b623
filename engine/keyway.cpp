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
// ГОСТ 23360-78, table 1 (the sizes of ISO/DIN 6885): by bore, the key width b, the hub depth t2,
// the key height h and the shaft depth t1.
constexpr std::array<KeywayRow, 26> kKeywayRows = {{
    {8, {2, 1.0, 2, 1.2}},       {10, {3, 1.4, 3, 1.8}},       {12, {4, 1.8, 4, 2.5}},
    {17, {5, 2.3, 5, 3.0}},      {22, {6, 2.8, 6, 3.5}},       {30, {8, 3.3, 7, 4.0}},
    {38, {10, 3.3, 8, 5.0}},     {44, {12, 3.3, 8, 5.0}},      {50, {14, 3.8, 9, 5.5}},
    {58, {16, 4.3, 10, 6.0}},    {65, {18, 4.4, 11, 7.0}},     {75, {20, 4.9, 12, 7.5}},
    {85, {22, 5.4, 14, 9.0}},    {95, {25, 5.4, 14, 9.0}},     {110, {28, 6.4, 16, 10.0}},
    {130, {32, 7.4, 18, 11.0}},  {150, {36, 8.4, 20, 12.0}},   {170, {40, 9.4, 22, 13.0}},
    {200, {45, 10.4, 25, 15.0}}, {230, {50, 11.4, 28, 17.0}},  {260, {56, 12.4, 32, 20.0}},
    {290, {63, 12.4, 32, 20.0}}, {330, {70, 14.4, 36, 22.0}},  {380, {80, 15.4, 40, 25.0}},
    {440, {90, 17.4, 45, 28.0}}, {500, {100, 19.5, 50, 31.0}},
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
