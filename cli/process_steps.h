#pragma once
// What `velora process` does alike for one file and for many: reading the stored files once for
// every file, and the line that reports a written file.

#include <string>

#include "cli/command_line.h"
#include "cli/file_enhancement.h"
#include "cli/input_assignment.h"
#include "cli/output_format.h"

// The settings and preset files the request names. Warns on stderr about a settings file the
// player's window has not saved; refuses a preset file without the preset section, which renders
// silence. Throws RuntimeFailure.
StoredTexts ReadStoredTexts(const ProcessRequest& request);

// "wrote 'OUT': WAV 16-bit, 44100 Hz stereo, 1.5 s\n"
std::string WroteLine(const std::string& output, const OutputFormat& format, const FileEnhancement& enhancement);
