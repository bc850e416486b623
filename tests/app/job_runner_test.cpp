// The job runner: jobs one after another in the order given, a failure reported as the
// completion's error, and no job dropped when the runner is destroyed.
#include "app/job_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/errors.h"

namespace gearpair {
namespace {

// What the jobs did, in order, from the worker and the test's thread.
class Log {
public:
    void Add(std::string line) {
        const std::lock_guard lock(mutex_);
        lines_.push_back(std::move(line));
    }
    std::vector<std::string> Lines() {
        const std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

JobRunner::Completion Done(Log& log, const std::string& job) {
    return [&log, job](JobOutcome outcome) {
        log.Add("done " + job + (outcome.written.empty() ? "" : " " + outcome.written[0]) +
                (outcome.error.empty() ? "" : " error " + outcome.error));
    };
}

TEST(JobRunner, RunsTheSecondJobAfterTheFirstHasEnded) {
    Log log;
    std::promise<void> gate;
    std::promise<void> allDone;
    JobRunner runner;
    runner.Submit(
        [&] {
            log.Add("begin 1");
            gate.get_future().wait();
            log.Add("end 1");
            return JobOutcome{{"1.step"}, {}};
        },
        Done(log, "1"));
    runner.Submit(
        [&] {
            log.Add("begin 2");
            return JobOutcome{{"2.stl"}, {}};
        },
        [&](JobOutcome outcome) {
            Done(log, "2")(std::move(outcome));
            allDone.set_value();
        });
    // Time for a second worker, were there one, to start the second job.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    log.Add("gate opens");
    gate.set_value();
    ASSERT_EQ(allDone.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"begin 1", "gate opens", "end 1",
                                                     "done 1 1.step", "begin 2", "done 2 2.stl"}));
}

TEST(JobRunner, AThrownErrorBecomesTheCompletionsErrorAndTheNextJobRuns) {
    Log log;
    {
        JobRunner runner;
        runner.Submit([]() -> JobOutcome { throw FileError(5, "File access denied: w.stl"); },
                      Done(log, "1"));
        runner.Submit([] { return JobOutcome{{"p.stl"}, {}}; }, Done(log, "2"));
    }
    EXPECT_EQ(log.Lines(),
              (std::vector<std::string>{"done 1 error File access denied: w.stl", "done 2 p.stl"}));
}

TEST(JobRunner, DestroyingTheRunnerRunsTheQueuedJobsToTheirEnd) {
    Log log;
    {
        JobRunner runner;
        for (const char* name : {"1", "2", "3"}) {
            runner.Submit(
                [name] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    return JobOutcome{{std::string(name) + ".step"}, {}};
                },
                Done(log, name));
        }
    }
    EXPECT_EQ(log.Lines(),
              (std::vector<std::string>{"done 1 1.step", "done 2 2.step", "done 3 3.step"}));
}

}  // namespace
}  // namespace gearpair
