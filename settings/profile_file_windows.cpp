#include <windows.h>

#include <string>

#include "settings/profile_file.h"

int32_t ReadProfileInt(const std::string& path, const char* section, const char* key) {
    return static_cast<int32_t>(::GetPrivateProfileIntA(section, key, 0, path.c_str()));
}

bool WriteProfileInt(const std::string& path, const char* section, const char* key, int32_t value) {
    return ::WritePrivateProfileStringA(section, key, std::to_string(value).c_str(), path.c_str()) != 0;
}
