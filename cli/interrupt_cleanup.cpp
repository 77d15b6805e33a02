#include "cli/interrupt_cleanup.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

namespace {

// The handler may only read plain memory and call async-signal-safe functions.
char pendingPath[4096];
volatile std::sig_atomic_t pathIsPending = 0;

extern "C" void RemovePendingAndDie(int signalNumber) {
    if (pathIsPending) ::unlink(pendingPath);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void InstallHandlersOnce() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = RemovePendingAndDie;
        sigemptyset(&action.sa_mask);
        ::sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace

void RemoveOnInterrupt(const std::string& path) {
    InstallHandlersOnce();
    pathIsPending = 0;
    if (path.size() >= sizeof pendingPath) return;
    std::memcpy(pendingPath, path.c_str(), path.size() + 1);
    pathIsPending = 1;
}

void StopRemovingOnInterrupt() { pathIsPending = 0; }
