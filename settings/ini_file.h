#pragma once
// Private-profile (INI) files on disk, read and written by our own layer (settings/ini_text.h)
// with the platform's behaviour. A write goes to a new file beside the old one that then takes
// its place, so an interrupted write leaves the old file whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The whole file, or nothing when it is missing, cannot be read or is larger than any settings
// file (64 MiB; errno EFBIG), which keeps an endless device from filling the memory.
std::optional<std::string> ReadIniFile(const std::string& path);

// The key's integer as the platform reads it, 0 when the file, section or key is missing.
int32_t ReadIniInt(const std::string& path, std::string_view section, std::string_view key);

// Sets the key, creating the file when it is missing. Reports whether the file holds the value
// afterwards; a file that cannot be read or written (read-only, missing folder) stays as it was.
bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value);
