#pragma once
// `velora demo`: the demo signal as it is and enhanced at the default settings, as two WAV files.

#include "cli/command_line.h"

inline constexpr const char* kDemoDryName = "demo-dry.wav";
inline constexpr const char* kDemoEnhancedName = "demo-enhanced.wav";

// Throws RuntimeFailure.
void RunDemoCommand(const DemoRequest& request);
