// A file size limit for the life of a scope: files larger than the limit cannot be written
// (EFBIG, as on a full disk), so that a late write fails after the small early ones succeeded.
// Root is not exempt, unlike from permissions.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace gearpair {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        // A write over the limit fails instead of ending the process.
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

}  // namespace gearpair
