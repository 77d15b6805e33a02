#include <string>

#include "settings/ini_file.h"
#include "settings/profile_file.h"

int32_t ReadProfileInt(const std::string& path, const char* section, const char* key) {
    return ReadIniInt(path, section, key);
}

bool WriteProfileInt(const std::string& path, const char* section, const char* key, int32_t value) {
    return WriteIniString(path, section, key, std::to_string(value));
}
