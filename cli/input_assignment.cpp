#include "cli/input_assignment.h"

#include <charconv>
#include <string>

#include "cli/command_failure.h"
#include "settings/stored_inputs.h"

InputAssignment ParseInputAssignment(std::string_view text) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        throw UsageError("--set expects key=value, got '" + std::string(text) + "'");
    }
    const std::string_view key = text.substr(0, equals);
    const std::string_view valueText = text.substr(equals + 1);
    const EngineInputInfo* input = FindEngineInput(key);
    if (input == nullptr) {
        throw UsageError("unknown setting '" + std::string(key) + "' (velora process --help lists them)");
    }

    int32_t value = -1;
    const char* end = valueText.data() + valueText.size();
    const auto [stop, error] = std::from_chars(valueText.data(), end, value);
    const bool inRange = error == std::errc() && stop == end && value >= 0 && value <= input->maximum;
    if (!inRange) {
        const char* expected = input->IsSwitch() ? "0 or 1" : "a whole number from 0 to 100";
        throw UsageError(std::string(key).insert(0, "'") + "' must be " + expected + ", got '" +
                         std::string(valueText) + "'");
    }
    return {input, value};
}

void ApplyInputs(EngineInputs& inputs, const StoredTexts& stored, std::span<const InputAssignment> assignments) {
    ApplyEngineInputDefaults(inputs);
    if (stored.settings) ApplyStoredSettings(inputs, *stored.settings);
    if (stored.preset) ApplyStoredPreset(inputs, *stored.preset);
    for (const InputAssignment& assignment : assignments) {
        SetEngineInput(inputs, *assignment.input, assignment.value);
    }
}
