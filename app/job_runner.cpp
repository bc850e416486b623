// The worker of the front ends' long work.
#include "app/job_runner.h"

#include <exception>
#include <utility>

namespace gearpair {

JobRunner::JobRunner() : worker_([this] { Serve(); }) {}

JobRunner::~JobRunner() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void JobRunner::Submit(Work work, Completion done) {
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back({std::move(work), std::move(done)});
    }
    wake_.notify_one();
}

void JobRunner::Serve() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            // Stopping ends the loop only once the queue is empty.
            if (queue_.empty()) return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        // Unlocked: a job or its completion may queue the next one.
        JobOutcome outcome;
        try {
            outcome = job.work();
        } catch (const std::exception& e) {
            outcome.error = e.what();
        }
        if (job.done) job.done(std::move(outcome));
    }
}

}  // namespace gearpair
