// Long work of the front ends (a model file that takes seconds) as jobs on one worker thread of
// their own: run one after another in the order given, each ending with a call that reports its
// outcome. No event loop takes part, so the file is complete when the job ends, whatever
// dialog is open meanwhile; the front end hands the report on to its window thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace gearpair {

// What a job did: the files written (also those before a failure) and the failure's message.
struct JobOutcome {
    std::vector<std::string> written;  // in the order written
    std::string error;                 // what() of the failure, for the error box; empty when none
};

class JobRunner {
public:
    using Work = std::function<JobOutcome()>;
    using Completion = std::function<void(JobOutcome)>;

    JobRunner();
    // Runs the jobs still queued to their end, then stops the worker: a save given is never
    // dropped, at the cost of blocking the caller until the last one ends.
    ~JobRunner();
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;

    // Queues `work` behind the jobs given before and returns at once. On the worker it runs
    // after the previous job's completion; a std::exception it throws becomes the outcome's
    // error (the program throws no other kind; another would end the program).
    // `done` is then called with the outcome, on the worker: it must not throw, and a front
    // end posts from it to its own thread. `work` must own everything it reads.
    void Submit(Work work, Completion done);

private:
    struct Job {
        Work work;
        Completion done;
    };
    void Serve();

    std::mutex mutex_;  // guards queue_ and stopping_
    std::condition_variable wake_;
    std::deque<Job> queue_;
    bool stopping_ = false;
    std::thread worker_;  // last: started once the members it reads exist
};

}  // namespace gearpair
