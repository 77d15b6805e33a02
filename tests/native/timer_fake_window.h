#pragma once

#include <cstdint>
#include <map>

// Stands in for the platform's hidden timer window in the native tests: it records which system
// timers run, how often each was (re)started, and can refuse new timers.
struct FakeTimerSystem {
    std::map<std::uintptr_t, std::uint32_t> running;
    std::map<std::uintptr_t, int> starts;
    int windowsCreated = 0;
    int windowsDestroyed = 0;
    bool refuseTimers = false;

    bool Runs(std::uintptr_t timerId) const { return running.contains(timerId); }
    int LiveWindows() const { return windowsCreated - windowsDestroyed; }
};

// The one fake system; tests reset it at their start.
FakeTimerSystem& FakeTimers();
