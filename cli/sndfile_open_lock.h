#pragma once
// libsndfile keeps the reason a file failed to open in one global for the whole process: opening
// and reading that reason go under this lock, so that files opened on several threads at once
// each report their own.

#include <mutex>

inline std::mutex& SndfileOpenLock() {
    static std::mutex lock;
    return lock;
}
