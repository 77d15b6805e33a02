#include "ui/delay_field.h"

#include <algorithm>

int32_t ScopeDelayFromText(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    int64_t value = 0;
    // Any number past the limit clamps alike, so the digits stop counting there.
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = std::min<int64_t>(value * 10 + (text[at] - '0'), kMaxScopeDelay + 1);
    if (negative) value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, kMinScopeDelay, kMaxScopeDelay));
}
