#include "lv2/plugin_ports.h"

#include <array>
#include <string_view>

#include "settings/ascii_case.h"

namespace {

const std::array<PluginVariant, 2> kVariants = {{
    {"urn:velora:enhancer", "Velora Enhancer", 2, 2},
    {"urn:velora:enhancer-mono", "Velora Enhancer (mono)", 1, 4},
}};

bool NamesPage(std::string_view caption, std::string_view page) {
    for (size_t start = 0; start + page.size() <= caption.size(); ++start) {
        if (SameIgnoringAsciiCase(caption.substr(start, page.size()), page)) return true;
    }
    return false;
}

}  // namespace

std::span<const PluginVariant> PluginVariants() { return kVariants; }

std::string AudioPortSymbol(const PluginVariant& variant, bool output, int32_t channel) {
    const std::string direction = output ? "out" : "in";
    if (variant.channels == 1) return direction;
    return direction + (channel == 0 ? "_l" : "_r");
}

std::string AudioPortName(const PluginVariant& variant, bool output, int32_t channel) {
    if (variant.channels == 1) return output ? "Out" : "In";
    return std::string(channel == 0 ? "Left" : "Right") + (output ? " out" : " in");
}

std::string PortGroupUri(const PluginVariant& variant, std::string_view group) {
    return std::string(variant.uri) + ":group:" + std::string(group);
}

std::string PageGroupSymbol(std::string_view page) {
    std::string symbol(page);
    for (char& c : symbol) c = AsciiLower(c);
    return symbol;
}

std::string ControlPortSymbol(const EngineInputInfo& input) {
    const std::string_view key = input.key;
    return key == "3d" ? "wide3d" : std::string(key);
}

std::string ControlPortName(const EngineInputInfo& input) {
    const std::string_view page = input.page;
    std::string caption = input.caption;
    if (page == "Settings" || NamesPage(caption, page)) return caption;
    // "Color" reads "Bass color"; an abbreviation such as "AGC" keeps its capitals.
    if (caption.size() > 1 && caption[1] >= 'a' && caption[1] <= 'z') caption[0] = AsciiLower(caption[0]);
    return std::string(page) + " " + caption;
}
