#pragma once
// The oscilloscope's delay as typed into its field.

#include <cstdint>
#include <string_view>

inline constexpr int32_t kMinScopeDelay = 100;
inline constexpr int32_t kMaxScopeDelay = 10000;

// The whole number at the start of the text (after blanks, with an optional sign; 0 when there
// are no digits), limited to 100..10000 milliseconds.
int32_t ScopeDelayFromText(std::string_view text);
