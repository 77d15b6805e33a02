#pragma once
// One `--set key=value`: an engine input named by its settings key and the value it takes.

#include <cstdint>
#include <span>
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

// Every input at its settings default, then the assignments in order (a later one wins).
void ApplyInputs(EngineInputs& inputs, std::span<const InputAssignment> assignments);
