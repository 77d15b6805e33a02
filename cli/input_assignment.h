#pragma once
// One `--set key=value`: an engine input named by its settings key and the value it takes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/engine_inputs.h"
#include "settings/engine_input_table.h"

struct InputAssignment {
    const EngineInputInfo* input;
    int32_t value;
};

// Parses "key=value". The value must lie in the input's range: 0..100, or 0/1 for a switch.
// Throws UsageError with a message naming what is wrong.
InputAssignment ParseInputAssignment(std::string_view text);

// The texts of a player's settings file and of a preset file that a run starts from.
struct StoredTexts {
    std::optional<std::string> settings;
    std::optional<std::string> preset;
};

// Every input at its settings default; then as the control window sets them from the stored
// settings, then from the preset applied over them; then the assignments in order (a later one
// wins).
void ApplyInputs(EngineInputs& inputs, const StoredTexts& stored, std::span<const InputAssignment> assignments);
