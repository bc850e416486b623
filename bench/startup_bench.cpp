// Desktop start-up on Qt's offscreen platform: from starting the process to the input form
// painted, against a bare Qt Widgets window started and painted the same way. Each iteration
// starts the probe program afresh and measures the wall time until it exits (it exits at its
// first paint) and its peak resident memory. The opening of the drawing window and of
// "Варианты" in a running program, timed by their probe from the request to the window's
// first paint, are set against the same bare window's start.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"

extern char** environ;

namespace {

// The probes are built beside this program.
std::filesystem::path ProbePath(const char* name) {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
}

// The environment of this process with the offscreen platform forced.
std::vector<std::string> OffscreenEnvironment() {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) variables.emplace_back(*entry);
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    return variables;
}

struct Start {
    double seconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

// Starts `program` with `option` and waits for its end. With `timed`, the time is the one the
// program prints on its standard output, else the wall time from start to end.
Start StartOnce(const std::string& program, const char* option,
                std::vector<std::string>& environment, bool timed) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    if (option != nullptr) argv.push_back(const_cast<char*>(option));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);

    Start start;
    int output[2] = {-1, -1};
    if (pipe(output) != 0) return start;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const auto begin = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string printed;
    if (spawned == 0) {
        char buffer[256];
        ssize_t got = 0;
        while ((got = read(output[0], buffer, sizeof buffer)) > 0) printed.append(buffer, got);
    }
    close(output[0]);
    if (spawned != 0) return start;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return start;
    start.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (timed) start.seconds = std::strtod(printed.c_str(), nullptr);
    start.peakKilobytes = usage.ru_maxrss;  // kilobytes on Linux
    start.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && start.seconds > 0;
    return start;
}

void StartProbe(benchmark::State& state, const char* probe, const char* option = nullptr,
                bool timed = false) {
    const std::string program = ProbePath(probe).string();
    std::vector<std::string> environment = OffscreenEnvironment();
    double peakSum = 0;
    for (auto _ : state) {
        const Start start = StartOnce(program, option, environment, timed);
        if (!start.ok) {
            state.SkipWithError((program + " did not start and paint").c_str());
            break;
        }
        state.SetIterationTime(start.seconds);
        peakSum += static_cast<double>(start.peakKilobytes);
    }
    state.counters["peak_kb"] = benchmark::Counter(peakSum, benchmark::Counter::kAvgIterations);
}

void BM_StartInputForm(benchmark::State& state) {
    StartProbe(state, "gearpair-startup-form");
}
BENCHMARK(BM_StartInputForm)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

void BM_StartBareWindow(benchmark::State& state) {
    StartProbe(state, "gearpair-startup-bare");
}
BENCHMARK(BM_StartBareWindow)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

// Not a target: how much of the difference the font system alone makes.
void BM_StartWindowWithLabel(benchmark::State& state) {
    StartProbe(state, "gearpair-startup-bare", "--label");
}
BENCHMARK(BM_StartWindowWithLabel)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

// The drawing window of a finished run shown, from "Чертежи..." to its sheet painted.
void BM_OpenDrawingWindow(benchmark::State& state) {
    StartProbe(state, "gearpair-open-window", "--drawings", true);
}
BENCHMARK(BM_OpenDrawingWindow)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

// "Варианты" of the form's defaults, from the click to its table and plot painted.
void BM_OpenVariantsWindow(benchmark::State& state) {
    StartProbe(state, "gearpair-open-window", "--variants", true);
}
BENCHMARK(BM_OpenVariantsWindow)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

constexpr std::array<gearpair::bench::RatioTarget, 8> kTargets = {{
    {"BM_StartInputForm", "BM_StartWindowWithLabel", "real_time", 1.5},
    {"BM_StartInputForm", "BM_StartWindowWithLabel", "peak_kb", 1.5},
    {"BM_StartInputForm", "BM_StartBareWindow", "real_time", 1.3},
    {"BM_StartInputForm", "BM_StartBareWindow", "peak_kb", 1.3},
    {"BM_OpenDrawingWindow", "BM_StartBareWindow", "real_time", 2.0},
    {"BM_OpenVariantsWindow", "BM_StartBareWindow", "real_time", 2.0},
    {"BM_StartWindowWithLabel", "BM_StartBareWindow", "real_time", 1.3},
    {"BM_StartWindowWithLabel", "BM_StartBareWindow", "peak_kb", 1.3},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
