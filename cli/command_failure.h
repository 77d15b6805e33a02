#pragma once
// The two ways a command fails: the command line asked for something impossible (exit 2), or the
// work itself failed (exit 1). The message is the one line the user sees.

#include <stdexcept>

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct RuntimeFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
