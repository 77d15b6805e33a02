// Preset files of any content, read by the player's window (through the profile functions) and by
// the file processor (from the text): both read alike, and every input stays in its range.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/engine_inputs.h"
#include "settings/engine_input_table.h"
#include "settings/ini_text.h"
#include "settings/preset_file.h"
#include "settings/stored_inputs.h"

namespace {

const std::string path = "/dev/shm/fuzz-preset-" + std::to_string(::getpid()) + ".velora";
const bool removedAtExit = std::atexit([] { std::remove(path.c_str()); }) == 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    EngineInputs inputs;
    ApplyEngineInputDefaults(inputs);
    ApplyStoredPreset(inputs, text);
    // The window reads through the profile functions, the file processor from the text.
    if (ReadPresetValue(path, "dry") != IniTextReadInt(text, kPresetSection, "dry")) __builtin_trap();
    for (const char* key : PresetKeys()) {
        const EngineInputInfo& info = *FindEngineInput(key);
        const int32_t value = GetEngineInput(inputs, info);
        if (value < 0 || value > info.maximum) __builtin_trap();
    }
    if (PresetListName(text).size() > 255) __builtin_trap();
    return 0;
}
