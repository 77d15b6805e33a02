#pragma once
// Removes the temporary output when the process is interrupted (Ctrl-C, hang-up, termination):
// no destructor runs then, and the half-written file would stay behind. One file at a time.

#include <string>

void RemoveOnInterrupt(const std::string& path);
void StopRemovingOnInterrupt();
