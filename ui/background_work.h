// Long work off the window's thread: a job of the app's runner, given under the busy cursor,
// whose outcome comes back to the window's thread as a queued call once the work has ended.
// The windows keep processing their events meanwhile through the ordinary event loop; no loop
// of our own waits for the work.
#pragma once

#include <QObject>

#include <functional>

#include "app/job_runner.h"

namespace gearpair {

// Queues `work` on `runner` (behind the jobs given before) and returns at once; the busy
// cursor shows until it ends. Then, on `target`'s thread, the cursor is restored and `done`
// gets the outcome, unless `target` has been destroyed meanwhile (the work has still run to its
// end). `work` must own everything it reads.
void RunInBackground(JobRunner& runner, QObject* target, JobRunner::Work work,
                     std::function<void(const JobOutcome&)> done);

}  // namespace gearpair
