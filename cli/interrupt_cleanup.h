#pragma once
// Removes the temporary outputs when the process is interrupted (Ctrl-C, hang-up, termination):
// no destructor runs then, and the half-written files would stay behind. Each writer, on any
// thread, holds one of kMaxPendingRemovals places.

#include <string>

inline constexpr int kMaxPendingRemovals = 64;

// Returns the place to hand to StopRemovingOnInterrupt, or -1 when the path is not kept (all
// places taken, or a path too long for one).
int RemoveOnInterrupt(const std::string& path);
void StopRemovingOnInterrupt(int place);
