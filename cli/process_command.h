#pragma once
// `velora process`: one audio file enhanced into another, or many into a folder.

#include <string>

#include "cli/command_line.h"
#include "cli/file_enhancement.h"
#include "cli/input_assignment.h"
#include "cli/output_format.h"

// Throws UsageError or RuntimeFailure; the output file then does not exist, or is as it was.
void RunProcessCommand(const ProcessRequest& request);

// The settings and preset files the request names, read once for every file; warns on stderr
// about a settings file the player's window has not saved. Throws RuntimeFailure.
StoredTexts ReadStoredTexts(const ProcessRequest& request);

// "wrote 'OUT': WAV 16-bit, 44100 Hz stereo, 1.5 s\n"
std::string WroteLine(const std::string& output, const OutputFormat& format, const FileEnhancement& enhancement);
