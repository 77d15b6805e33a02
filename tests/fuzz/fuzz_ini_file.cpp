// The settings section over any file: a key written reads back, writing it again changes nothing,
// and every other key of the section keeps its value.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings/settings_section.h"
#include "settings/shared_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (settingsPath.empty()) {
        settingsPath = "/dev/shm/fuzz-ini-" + std::to_string(::getpid()) + ".ini";
        std::atexit([] { std::remove(settingsPath.c_str()); });
    }
    FuzzedDataProvider input(data, size);
    const std::span<const SettingsDefault> keys = SettingsDefaults();
    const char* key = keys[input.ConsumeIntegralInRange<size_t>(0, keys.size() - 1)].key;
    const int32_t value = input.ConsumeIntegral<int32_t>();
    const std::string text = input.ConsumeRemainingBytesAsString();
    std::FILE* file = std::fopen(settingsPath.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);

    if (!WriteSetting(key, value) || ReadSetting(key) != value) __builtin_trap();
    const std::string written = ReadIniFile(settingsPath).value();
    if (!WriteSetting(key, value) || ReadIniFile(settingsPath) != written) __builtin_trap();
    for (const SettingsDefault& other : keys) {
        if (other.key != key && IniTextReadInt(written, kSettingsSection, other.key) !=
                                    IniTextReadInt(text, kSettingsSection, other.key)) {
            __builtin_trap();
        }
    }
    return 0;
}
