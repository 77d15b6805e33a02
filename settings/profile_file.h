#pragma once
// Integer keys of private-profile (INI) files. On Windows these are the platform's own
// GetPrivateProfileIntA and WritePrivateProfileStringA; elsewhere our portable INI layer, which
// behaves the same: the decimal number at the start of a value's text (0 when there is none or
// the file, section or key is missing), keys and sections matched without regard to case, a key
// replaced in place, a new key appended to its section, a new section appended to the file, a
// missing file created, and every other line kept as it was.

#include <cstdint>
#include <string>

int32_t ReadProfileInt(const std::string& path, const char* section, const char* key);
// Reports whether the file was written.
bool WriteProfileInt(const std::string& path, const char* section, const char* key, int32_t value);
