// The chief header of the calculation: the design record, the state owner of one program
// session, and the calculation steps in the order a design run calls them.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/report.h"
#include "engine/check_steps.h"
#include "engine/design_inputs.h"

namespace gearpair {

// Degrees to radians as the calculation has always taken it (not the exact pi / 180). The
// geometry turns the entered helix angle into radians with it, and the bending check turns the
// radians back into the entered degrees with the same factor.
inline constexpr double kRadiansPerDegree = 0.017453292;

// Radians to degrees, to the digits the drawing script's angle has always been given with: the
// helix angle of the hand-off and of the design figures.
inline constexpr double kDegreesPerRadian = 57.29577951308232087665;

// The one design record: every input, intermediate and result quantity of a run. Each step
// overwrites the fields it writes; nothing resets the record between runs.
struct TGearDesign {
    double uz = 0;     // gear ratio, pinion speed / wheel speed
    double betta = 0;  // helix angle: degrees after ReduceInputs, radians from ComputeGeometry on
    double bettaEntered = 0;     // helix angle as entered, degrees; no step reads it
    double nw = 0;               // pinion speed, rpm
    double nkol = 0;             // wheel speed, rpm
    double t = 0;                // planned service life, h
    double hw = 0;               // pinion hardness, HB
    double hkol = 0;             // wheel hardness, HB
    double psiba = 0;            // face-width coefficient relative to the centre distance
    double psibd = 0;            // face-width coefficient relative to the pinion diameter
    double tw = 0;               // pinion torque, N*m
    double tkol = 0;             // wheel torque, N*m
    double aw = 0;               // centre distance, mm
    double mn = 0;               // normal module, mm
    double Ghp = 0;              // allowable contact stress, MPa
    double Gfpw = 0;             // allowable bending stress of the pinion, MPa
    double Gfpkol = 0;           // allowable bending stress of the wheel, MPa
    double ea = 0;               // transverse contact ratio
    double Khbeta = 0;           // load-concentration factor
    std::int32_t z1 = 0;         // pinion teeth
    std::int32_t z2 = 0;         // wheel teeth
    double v = 0;                // peripheral speed at the pitch circle, m/s
    double bkol = 0;             // wheel face width, mm
    double bw = 0;               // pinion face width, mm
    double d2 = 0;               // wheel pitch diameter, mm
    double d1 = 0;               // pinion pitch diameter, mm
    std::uint8_t khbetaRow = 0;  // row 1 to 8 of the last load-concentration lookup
    double da1 = 0;              // pinion tip diameter, mm
    double df1 = 0;              // pinion root diameter, mm
    double da2 = 0;              // wheel tip diameter, mm
    double df2 = 0;              // wheel root diameter, mm
    std::string baseDir;         // program directory with its trailing separator

    // Accuracy degree of the gear set; selects the row of the load-distribution table.
    static constexpr std::uint8_t accuracyDegree = 8;
};

// The state of the calculation for the life of a program session: the design record, the
// report with its decimal separator, the hand-off list and the run-number caption. The
// desktop program creates one and keeps it; the command-line front end creates one per design.
struct GearSession {
    TGearDesign design;
    Report report;
    std::string handoffList;      // the Lisp list for "transmit.txt"
    std::string runCaption;       // the run number shown in place of the gear-ratio caption
    bool bettaInRadians = false;  // set by the first geometry pass, cleared by ReduceInputs
    // The geometry passes of the last project calculation, in order.
    std::vector<CheckStep> steps;
    // Recalculations of the last design run so far: its banner count, also when it stopped or
    // failed on the way.
    int recalculations = 0;
};

// The step of the current geometry pass, which ComputeGeometry opens and the checks fill; a
// check run with no pass open opens one for its own figures.
CheckStep& CurrentStep(GearSession& session);

// Reads the six input texts and the face-width list index into the record, derives the wheel
// speed, both torques, the pinion hardness and psibd, and reports "Введённые значения".
// Throws ConversionError for a text that is not a number, FloatError for a zero divisor, and
// Error with NotInListMessage(kWidthTexts) for a width index outside the list; nothing is
// reported then. The arrangement is not read here.
void ReduceInputs(GearSession& session, const DesignInputs& inputs);

// Load-concentration factor for the arrangement (1 to 3, which the caller guarantees), psibd
// and the pinion hardness, or nothing where the table has no value. Writes khbetaRow; no
// report line.
std::optional<double> LookupKhbeta(GearSession& session, std::uint8_t arrangement, double psibd);

// Allowable contact stress Ghp, with its report section.
void AllowableContactStress(GearSession& session);

// Allowable bending stresses Gfpw and Gfpkol, with their report section.
void AllowableBendingStress(GearSession& session);

// A run that ends on a message for the user rather than an error: the standard series is
// exhausted, or a tooth number falls below the form-factor table. The design run turns it
// into its outcome.
class DesignStop : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

extern const std::string_view kSeriesExhaustedMessage;
extern const std::string_view kToothNumberMessage;

// Opening phase of the project calculation: the centre-distance estimate, the next value of
// the standard series and its module, with their report lines. Returns the series position of
// the chosen centre distance; an estimate of 2500 mm or more stops the run.
int OpenProjectCalculation(GearSession& session);

// Position of the smallest standard centre distance strictly above the estimate: 1 for an
// estimate below 40 mm, 33 (past the series) for one of 2500 mm or more.
int SeriesPositionAbove(double estimate);

// The standard centre distance at position 1 to 32, mm; any other position stops the run
// with kSeriesExhaustedMessage.
double CentreDistanceAt(int position);

// The module for the centre distance now in the record: the largest standard module not above
// 0.015 x aw.
double SelectModule(const GearSession& session);

// Tooth counts, diameters, peripheral speed and face widths for the current aw and mn, with
// the "Геометрия" section, and a new step for the pass. The first pass after ReduceInputs
// turns betta into radians.
void ComputeGeometry(GearSession& session);

// Load-distribution factor K_H-alpha for the peripheral speed at the accuracy degree of the
// record, widened from its single-precision table value.
double KhalphaForSpeed(double v);

// Contact stress Gh, MPa, of the current design with the load-distribution factor Khalpha.
double ContactStress(const TGearDesign& d, double Khalpha);

// Contact fatigue check of the current design; true when it passes. Its figures go into the
// current step.
bool ContactCheck(GearSession& session, double aw, double mn);

// Tooth form factor Y_F at an equivalent tooth number: linear between the table points, 3.6
// from 100 teeth on. Below 17 teeth it is not defined and the run stops.
double ToothFormFactor(std::int32_t z);

// The bending stress of the weaker gear and the factors it is made of.
struct BendingFactors {
    bool pinionWeaker = false;
    double yf = 0;         // form factor of the weaker gear
    double b = 0;          // its face width, mm
    double diameter = 0;   // its pitch diameter, mm
    double allowable = 0;  // its allowable bending stress, MPa
    double torque = 0;     // its torque, N*m
    double ybetta = 0;     // helix factor
    double eb = 0;         // axial overlap ratio
    double kfalpha = 0;    // load-distribution factor
    double kfbetta = 0;    // load-concentration factor for bending
    double Gf = 0;         // root bending stress, MPa
};
BendingFactors WeakerGearBending(const TGearDesign& d, double Yfw, double Yfkol);

// Bending fatigue check of the weaker gear; true when it passes, its figures in the current
// step. An equivalent tooth number below the form-factor table stops the run with
// kToothNumberMessage.
bool BendingCheck(GearSession& session, double aw, double mn);

// The project calculation: the opening phase, the geometry and the checks, stepping to the
// next standard centre distance until both checks pass. Returns the number of recalculations;
// `session.steps` holds one step per geometry pass, also when the run stops.
int ProjectCalculation(GearSession& session);

}  // namespace gearpair
