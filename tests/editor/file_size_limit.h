#pragma once
// Lowers the process's file size limit for a scope, so that a write fails
// part-way the way it does on a full disk.
#include <sys/resource.h>

#include <csignal>

namespace quillane::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        // Past the limit the system sends SIGXFSZ; ignored, write fails with EFBIG.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace quillane::testing
