// The common main of the benchmark programs: repetitions, console output of the aggregates,
// and the ratio table against the floors measured in the same run.
#include "bench/ratio_main.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include <benchmark/benchmark.h>

namespace gearpair::bench {

namespace {

// Keeps every repetition's figures per benchmark name and shows only the aggregates (mean,
// median, spread) on the console when there are repetitions.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> aggregates;
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate) {
                aggregates.push_back(run);
                continue;
            }
            if (run.error_occurred || run.iterations == 0) continue;
            const auto iterations = static_cast<double>(run.iterations);
            auto& figures = figures_[run.run_name.function_name];
            figures["cpu_time"].push_back(run.cpu_accumulated_time / iterations);
            figures["real_time"].push_back(run.real_accumulated_time / iterations);
            for (const auto& [name, counter] : run.counters) {
                figures[name].push_back(counter.value);
            }
        }
        ConsoleReporter::ReportRuns(aggregates.empty() ? runs : aggregates);
    }

    // The median of one figure of one benchmark, or nothing when it was not run.
    bool MedianOf(std::string_view benchmark, std::string_view measure, double& median) const {
        const auto byName = figures_.find(std::string(benchmark));
        if (byName == figures_.end()) return false;
        const auto values = byName->second.find(std::string(measure));
        if (values == byName->second.end() || values->second.empty()) return false;
        median = Median(values->second);
        return true;
    }

private:
    std::map<std::string, std::map<std::string, std::vector<double>>> figures_;
};

}  // namespace

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

int RunWithRatios(int argc, char** argv, std::span<const RatioTarget> targets,
                  std::span<const char* const> defaults) {
    // Defaults first, so that the same flags given on the command line win. The repetitions
    // of the subjects and the floors take turns, so that a change in the machine's load falls
    // on both.
    std::vector<std::string> defaultFlags{"--benchmark_repetitions=5",
                                          "--benchmark_enable_random_interleaving=true"};
    defaultFlags.insert(defaultFlags.end(), defaults.begin(), defaults.end());
    std::vector<char*> arguments{argv[0]};
    for (std::string& flag : defaultFlags) arguments.push_back(flag.data());
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nRatios against the floors of this run (medians of the repetitions):\n");
    for (const RatioTarget& t : targets) {
        double subject = 0;
        double floor = 0;
        const std::string name = std::string(t.subject) + " / " + std::string(t.floor) + " (" +
                                 std::string(t.measure) + ")";
        if (!reporter.MedianOf(t.subject, t.measure, subject) ||
            !reporter.MedianOf(t.floor, t.measure, floor) || floor <= 0) {
            std::printf("ratio %s: not run\n", name.c_str());
            continue;
        }
        const double ratio = subject / floor;
        std::printf("ratio %s: %.2f (target <= %.2f) %s\n", name.c_str(), ratio, t.target,
                    ratio <= t.target ? "held" : "missed");
    }
    return 0;
}

}  // namespace gearpair::bench
