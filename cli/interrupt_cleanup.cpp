#include "cli/interrupt_cleanup.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace {

enum PlaceState : int { kFree, kFilling, kPending };

// The handler may only read plain memory, lock-free atomics and call async-signal-safe functions.
struct PendingPlace {
    std::atomic<int> state{kFree};
    char path[4096];
};
static_assert(std::atomic<int>::is_always_lock_free);

PendingPlace places[kMaxPendingRemovals];

extern "C" void RemovePendingAndDie(int signalNumber) {
    for (PendingPlace& place : places) {
        if (place.state.load() == kPending) ::unlink(place.path);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void InstallHandlers() {
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = RemovePendingAndDie;
        sigemptyset(&action.sa_mask);
        ::sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace

int RemoveOnInterrupt(const std::string& path) {
    static const bool installed = (InstallHandlers(), true);
    (void)installed;
    if (path.size() >= sizeof places[0].path) return -1;
    for (int index = 0; index < kMaxPendingRemovals; ++index) {
        int expected = kFree;
        if (!places[index].state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(places[index].path, path.c_str(), path.size() + 1);
        places[index].state.store(kPending);
        return index;
    }
    return -1;
}

void StopRemovingOnInterrupt(int place) {
    if (place >= 0) places[place].state.store(kFree);
}
