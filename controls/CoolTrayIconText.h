#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// Copies text into one of the shell's fixed character fields: at most N - 1 characters, the rest
// of the field zero, so the field is always terminated. Text stops at an embedded zero, as the
// shell would read it.
template <std::size_t N>
void CopyTruncated(char (&field)[N], std::string_view text) {
    static_assert(N > 0);
    const std::size_t untilZero = text.find('\0');
    if (untilZero != std::string_view::npos) text = text.substr(0, untilZero);
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}
