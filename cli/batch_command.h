#pragma once
// `velora process IN... --out-dir DIR`: many files enhanced at once, one per processor, under one
// progress bar. A file that fails is reported with its reason while the others go on.

#include "cli/command_line.h"

// Throws UsageError before any work when the request cannot be carried out as a whole, and
// RuntimeFailure at the end when any file failed; every output is complete or absent.
void RunBatchCommand(const ProcessRequest& request);
