// The standard centre distances in series order, each with the standard module the design
// takes for it (the largest module not above 1.5 % of the centre distance): the expected
// values of the series tests and the input-domain sweep.
#pragma once

#include <array>

namespace gearpair::testing {

struct SeriesEntry {
    int aw;     // mm
    double mn;  // mm
};

inline constexpr std::array<SeriesEntry, 32> kStandardSeries = {{
    {40, 0.6},    {50, 0.7},    {63, 0.9},    {80, 1.125},  {100, 1.5},   {125, 1.75},
    {140, 2.0},   {160, 2.25},  {180, 2.5},   {200, 3.0},   {225, 3.0},   {250, 3.5},
    {280, 4.0},   {315, 4.5},   {355, 5.0},   {400, 6.0},   {450, 6.0},   {500, 7.0},
    {560, 8.0},   {630, 9.0},   {710, 10.0},  {800, 12.0},  {900, 12.0},  {1000, 14.0},
    {1120, 16.0}, {1250, 18.0}, {1400, 20.0}, {1600, 22.0}, {1800, 25.0}, {2000, 28.0},
    {2240, 32.0}, {2500, 36.0},
}};

}  // namespace gearpair::testing
