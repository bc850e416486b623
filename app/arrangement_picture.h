// The drawing of the three arrangement pictures on the input form, the same in both desktop
// programs: where the shaft, the bearings and the gear sit, in logical pixels of a picture
// 140 x 50.
#pragma once

namespace gearpair {

// Where the parts of an arrangement sit along the shaft (centres, logical x).
struct ArrangementLayout {
    double shaftLeft;
    double shaftRight;
    double leftBearing;
    double rightBearing;
    double gear;
};

constexpr ArrangementLayout LayoutOf(int arrangement) {
    switch (arrangement) {
        case 1:  // overhanging: both bearings on the left, gear on the free right end
            return {8, 128, 22, 62, 112};
        case 2:  // between the bearings, close to the left one
            return {8, 132, 22, 118, 48};
        default:  // midway between the bearings
            return {8, 132, 22, 118, 70};
    }
}

inline constexpr double kShaftY = 25;          // axis of the shaft
inline constexpr double kShaftHalfHeight = 2;  // shaft diameter 4
inline constexpr double kGearHalfWidth = 7;    // face width 14
inline constexpr double kGearHalfHeight = 18;  // diameter 36
inline constexpr double kBearingHalfWidth = 6;
inline constexpr double kBearingHalfHeight = 9;

}  // namespace gearpair
