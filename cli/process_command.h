#pragma once
// `velora process IN OUT`: one audio file enhanced into another.

#include "cli/command_line.h"

// Throws UsageError or RuntimeFailure; the output file then does not exist, or is as it was.
void RunProcessCommand(const ProcessRequest& request);
