// The delay field's text, anything typed or pasted: always a delay within the field's limits, and
// the leading number when it is one.

#include <string_view>

#include "ui/delay_field.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int32_t delay = ScopeDelayFromText(text);
    if (delay < kMinScopeDelay || delay > kMaxScopeDelay) __builtin_trap();
    if (text.size() <= 4 && text.find_first_not_of("0123456789") == std::string_view::npos) {
        int32_t number = 0;
        for (const char digit : text) number = number * 10 + (digit - '0');
        if (number >= kMinScopeDelay && delay != number) __builtin_trap();
    }
    return 0;
}
