#include "settings/ini_text.h"

#include "settings/ascii_case.h"

namespace {

// The reader's value buffer holds 30 characters with the terminating NUL.
constexpr size_t kIntegerTextLimit = 29;

bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

struct Line {
    size_t begin;  // first byte of the line
    size_t end;    // first byte of its line end
    size_t next;   // first byte after its line end
};

// The line that starts at `begin`.
Line LineAt(std::string_view text, size_t begin) {
    size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = text.size();
    size_t next = end;
    if (next < text.size()) next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
    return {begin, end, next};
}

// The name of a section header line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view trimmed) {
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const size_t close = trimmed.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return UpToNul(Trim(trimmed.substr(1, close - 1)));
}

struct KeyLine {
    std::string_view name;
    std::optional<size_t> equals;  // offset of the "=" in the trimmed line
};

KeyLine SplitKey(std::string_view trimmed) {
    const size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) return {UpToNul(trimmed), std::nullopt};
    return {UpToNul(Trim(trimmed.substr(0, equals))), equals};
}

// Where a key stands in a text: its line, or where its section ends.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<Line> keyLine;
    Line lastFilledLine{};  // the section's last non-blank line, the header at least
};

KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    const std::string_view wantedSection = Trim(section);
    const std::string_view wantedKey = Trim(key);
    for (Line line{0, 0, 0}; line.next < text.size();) {
        line = LineAt(text, line.next);
        const std::string_view trimmed = Trim(text.substr(line.begin, line.end - line.begin));
        if (trimmed.empty()) continue;
        const std::optional<std::string_view> header = SectionName(trimmed);
        if (place.sectionFound) {
            if (header) break;
            place.lastFilledLine = line;
            if (SameIgnoringAsciiCase(SplitKey(trimmed).name, wantedKey)) {
                place.keyLine = line;
                break;
            }
        } else if (header && !header->empty() && SameIgnoringAsciiCase(*header, wantedSection)) {
            place.sectionFound = true;
            place.lastFilledLine = line;
        }
    }
    return place;
}

std::string_view KeyValue(std::string_view text, const Line& line) {
    const std::string_view trimmed = Trim(text.substr(line.begin, line.end - line.begin));
    const KeyLine keyLine = SplitKey(trimmed);
    if (!keyLine.equals) return {};
    return UpToNul(Trim(trimmed.substr(*keyLine.equals + 1)));
}

uint32_t DigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
    if (c >= 'a' && c <= 'z') return static_cast<uint32_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'Z') return static_cast<uint32_t>(c - 'A' + 10);
    return 36;  // a digit in no base
}

int32_t LeadingInteger(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value.remove_prefix(1);
        const bool closingQuoteFits = value.size() <= kIntegerTextLimit + 1;
        value = value.substr(0, kIntegerTextLimit);
        if (closingQuoteFits) value.remove_suffix(1);
    } else {
        value = value.substr(0, kIntegerTextLimit);
    }
    size_t at = 0;
    while (at < value.size() && static_cast<unsigned char>(value[at]) <= ' ') ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == '+' || value[at] == '-')) negative = value[at++] == '-';
    uint32_t base = 10;
    if (value.size() - at >= 2 && value[at] == '0') {
        const char prefix = value[at + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10) at += 2;
    }
    uint32_t total = 0;
    for (; at < value.size() && DigitValue(value[at]) < base; ++at) total = total * base + DigitValue(value[at]);
    return static_cast<int32_t>(negative ? 0u - total : total);
}

}  // namespace

bool IniTextHasSection(std::string_view text, std::string_view section) {
    return FindKey(text, section, {}).sectionFound;
}

int32_t IniTextReadInt(std::string_view text, std::string_view section, std::string_view key) {
    const KeyPlace place = FindKey(text, section, key);
    return place.keyLine ? LeadingInteger(KeyValue(text, *place.keyLine)) : 0;
}

std::optional<std::string> IniTextWithValue(std::string_view text, std::string_view section,
                                            std::string_view key, std::string_view value) {
    while (!value.empty() && IsProfileSpace(value.front())) value.remove_prefix(1);
    const KeyPlace place = FindKey(text, section, key);
    std::string edited;
    edited.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (place.keyLine) {
        const Line& line = *place.keyLine;
        if (KeyValue(text, line) == value) return std::nullopt;
        const std::string_view lineText = text.substr(line.begin, line.end - line.begin);
        const size_t equals = lineText.find('=');
        const size_t keep = equals != std::string_view::npos
                                ? equals + 1
                                : lineText.find_last_not_of(" \t\n\v\f\r\x1a") + 1;
        edited.append(text.substr(0, line.begin + keep));
        if (equals == std::string_view::npos) edited += '=';
        edited.append(value);
        edited.append(text.substr(line.end));
        return edited;
    }

    const std::string newKey = std::string(Trim(key)) + "=" + std::string(value) + "\r\n";
    size_t insertAt = text.size();
    if (place.sectionFound) insertAt = place.lastFilledLine.next;
    edited.append(text.substr(0, insertAt));
    if (insertAt > 0 && edited.back() != '\n' && edited.back() != '\r') edited += "\r\n";
    if (!place.sectionFound) edited.append("[").append(Trim(section)).append("]\r\n");
    edited += newKey;
    edited.append(text.substr(insertAt));
    return edited;
}
