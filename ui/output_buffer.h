#pragma once
// The buffer length of the player's output plug-in, which the oscilloscope takes as its delay
// when "Auto detection" is on. The player's settings file names its output plug-in; the two
// standard ones keep their buffer length beside it.

#include <functional>
#include <optional>
#include <string>

// A text from the player's settings file: section, key, and what to give when the key is missing.
using PlayerSettingText = std::function<std::string(const char* section, const char* key, const char* fallback)>;

// The buffer length's text for the delay field (1000 when the plug-in's own key is missing), or
// nothing when the file names no output plug-in or one whose buffer is unknown: the field then
// keeps the last delay rather than a file name.
std::optional<std::string> OutputBufferText(const PlayerSettingText& read);
