// Long work off the window's thread: the work runs on a worker thread while the calling
// thread keeps processing its events (the windows repaint, a close is handled) under the busy
// cursor, and the result comes back to the caller as if the work had run in place.
#pragma once

#include <functional>
#include <string>

namespace gearpair {

// Runs `work` on a worker thread and returns its result, or throws what it threw. Returns
// only when the work has ended, also when the application is quitting meanwhile; `work` must
// own everything it reads, as a window may close (not be destroyed) during it.
std::string RunResponsively(std::function<std::string()> work);

}  // namespace gearpair
