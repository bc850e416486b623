// The main of every benchmark program: runs the benchmarks several times and closes with a
// table of each measured figure against its floor from the same run, and its target.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace gearpair::bench {

// One comparison: the median of `measure` over the repetitions of `subject`, divided by the
// same median of `floor`. `measure` is "cpu_time" (seconds per iteration of this process),
// "real_time" (wall seconds per iteration) or the name of a user counter.
struct RatioTarget {
    std::string_view subject;  // benchmark name, as registered
    std::string_view floor;    // benchmark name of the floor
    std::string_view measure;
    double target;  // the largest acceptable ratio
};

// Median of the values (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);

// Initialises Google Benchmark with 5 repetitions taken in random turns and the program's
// `defaults` (flags such as "--benchmark_min_time=1") unless the command line says otherwise, runs
// the benchmarks with the console output, then prints one summary line per target:
// "ratio <subject> / <floor> (<measure>): 1.23 (target <= 1.50) held" (or "missed"; "not run"
// when a filter left one side out). Returns 0, or 1 for a command-line error.
int RunWithRatios(int argc, char** argv, std::span<const RatioTarget> targets,
                  std::span<const char* const> defaults = {});

}  // namespace gearpair::bench
