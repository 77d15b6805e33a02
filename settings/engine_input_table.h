#pragma once
// The one table of the 22 engine inputs: settings key, default, range, the window page and control
// that set it and its caption. The settings section, the window and the file processor read it.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/engine_inputs.h"

struct EngineInputInfo {
    const char* key;
    int32_t defaultValue;
    int32_t maximum;        // the minimum is 0; a switch has the maximum 1
    const char* page;       // the window page that shows the control: "Bass", "Music" or "Settings"
    const char* control;    // the window control that writes it
    const char* caption;
    std::atomic<int32_t> EngineInputs::*level;  // for the sixteen control values
    std::atomic<bool> EngineInputs::*flag;      // for the six switches

    bool IsSwitch() const { return flag != nullptr; }
};

inline constexpr size_t kEngineInputCount = 22;

// The sixteen sliders in window order, then the six check boxes.
std::span<const EngineInputInfo> EngineInputTable();

// The input with this settings key, or null.
const EngineInputInfo* FindEngineInput(std::string_view key);

int32_t GetEngineInput(const EngineInputs& inputs, const EngineInputInfo& info);
// Sets a value, clamped to the input's range (a switch is on for any value but 0).
void SetEngineInput(EngineInputs& inputs, const EngineInputInfo& info, int32_t value);

// Every input at its settings default.
void ApplyEngineInputDefaults(EngineInputs& inputs);
