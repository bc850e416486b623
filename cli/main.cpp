// Prints the input section of the default design.
#include <iostream>

#include "engine/gear_design.h"

int main() {
    gearpair::GearSession session;
    gearpair::ReduceInputs(session, "2,8", "6000", "86,3", "250", "15000", 4, "14");
    for (const auto& line : session.report.Lines()) std::cout << line << '\n';
}
