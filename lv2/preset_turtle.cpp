#include "lv2/preset_turtle.h"

#include <cstdio>

#include "lv2/plugin_ports.h"

namespace {

const char* const kPrefixes =
    "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
    "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "\n";

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// The length of the UTF-8 sequence at `at`, or 0 when the bytes there are not one.
size_t Utf8Length(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// A Turtle string literal. File names need not be UTF-8: a byte outside a valid sequence is
// taken as the Latin-1 character of that code.
std::string TurtleString(std::string_view text) {
    std::string literal = "\"";
    for (size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c >= 0x80) {
            const size_t length = Utf8Length(text, at);
            if (length > 0) {
                literal.append(text.substr(at, length));
                at += length;
                continue;
            }
        }
        if (c == '"' || c == '\\') {
            literal += '\\';
            literal += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", c);
            literal += escape;
        } else {
            literal += static_cast<char>(c);
        }
        ++at;
    }
    return literal + "\"";
}

// The preset's subject and the plug-ins it applies to, up to the next statement.
std::string PresetHead(const Lv2Preset& preset) {
    std::string plugins;
    for (const PluginVariant& variant : PluginVariants()) {
        plugins += (plugins.empty() ? "<" : ", <") + std::string(variant.uri) + ">";
    }
    std::string head = "<";
    head += PresetUri(preset.name);
    head += ">\n    a pset:Preset ;\n    lv2:appliesTo ";
    head += plugins;
    head += " ;\n";
    return head;
}

}  // namespace

std::string PresetUri(std::string_view name) {
    std::string uri = std::string(PluginVariants()[0].uri) + ":preset:";
    for (const char c : name) {
        if (IsUnreserved(static_cast<unsigned char>(c))) {
            uri += c;
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            uri += code;
        }
    }
    return uri;
}

std::string PresetManifest(std::span<const Lv2Preset> presets) { return kPrefixes + PresetManifestStatements(presets); }

std::string PresetManifestStatements(std::span<const Lv2Preset> presets) {
    std::string text;
    for (const Lv2Preset& preset : presets) {
        text += PresetHead(preset);
        text += "    rdfs:seeAlso <" + std::string(kPresetDescriptionFile) + "> .\n\n";
    }
    return text;
}

std::string PresetDescriptions(std::span<const Lv2Preset> presets) {
    std::string text = kPrefixes;
    for (const Lv2Preset& preset : presets) {
        text += PresetHead(preset);
        text += "    rdfs:label " + TurtleString(preset.name) + " ;\n    lv2:port";
        const char* separator = " [\n";
        for (const auto& [input, value] : preset.values) {
            text += separator;
            text += "        lv2:symbol \"" + ControlPortSymbol(*input) + "\" ;\n";
            text += "        pset:value " + std::to_string(value) + ".0\n    ]";
            separator = " , [\n";
        }
        text += " .\n\n";
    }
    return text;
}
