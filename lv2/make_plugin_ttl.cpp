// velora-lv2-ttl: writes the bundle's description files, manifest.ttl and velora.ttl, from the
// table of engine inputs, so that the table stays the one place that names them.
//
//   velora-lv2-ttl BUNDLE_FOLDER BINARY_NAME

#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "engine/engine_state.h"
#include "lv2/plugin_ports.h"

namespace {

const char* const kPrefixes =
    "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
    "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
    "\n";

// A symbol is a C identifier; the names must be told apart in a host's list.
bool IsSymbol(const std::string& symbol) {
    if (symbol.empty() || std::isdigit(static_cast<unsigned char>(symbol[0]))) return false;
    for (const char c : symbol) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

std::string Manifest(const std::string& binaryName) {
    std::ostringstream text;
    text << kPrefixes;
    for (const PluginVariant& variant : PluginVariants()) {
        text << "<" << variant.uri << ">\n"
             << "    a lv2:Plugin ;\n"
             << "    lv2:binary <" << binaryName << "> ;\n"
             << "    rdfs:seeAlso <velora.ttl> .\n\n";
    }
    return text.str();
}

void AudioPorts(std::ostringstream& text, const PluginVariant& variant, bool output) {
    for (int32_t channel = 0; channel < variant.channels; ++channel) {
        text << "    lv2:port [\n"
             << "        a lv2:AudioPort, " << (output ? "lv2:OutputPort" : "lv2:InputPort") << " ;\n"
             << "        lv2:index " << (output ? AudioOutputPort(variant, channel) : AudioInputPort(channel))
             << " ;\n"
             << "        lv2:symbol \"" << AudioPortSymbol(variant, output, channel) << "\" ;\n"
             << "        lv2:name \"" << AudioPortName(variant, output, channel) << "\"\n"
             << "    ] ;\n";
    }
}

std::string PluginDescription(const PluginVariant& variant) {
    std::ostringstream text;
    text << "<" << variant.uri << ">\n"
         << "    a lv2:Plugin ;\n"
         << "    doap:name \"" << variant.name << "\" ;\n"
         << "    lv2:optionalFeature lv2:hardRTCapable ;\n";
    AudioPorts(text, variant, false);
    AudioPorts(text, variant, true);
    text << "    lv2:port [\n"
         << "        a lv2:ControlPort, lv2:OutputPort ;\n"
         << "        lv2:index " << LatencyPort(variant) << " ;\n"
         << "        lv2:symbol \"latency\" ;\n"
         << "        lv2:name \"Latency\" ;\n"
         << "        lv2:designation lv2:latency ;\n"
         << "        lv2:portProperty lv2:reportsLatency, lv2:integer ;\n"
         << "        lv2:minimum 0 ;\n"
         << "        lv2:maximum " << kLookAheadRing - 1 << " ;\n"
         << "        units:unit units:frame\n"
         << "    ] , [\n"
         << "        a lv2:ControlPort, lv2:OutputPort ;\n"
         << "        lv2:index " << ClipLevelPort(variant) << " ;\n"
         << "        lv2:symbol \"clip\" ;\n"
         << "        lv2:name \"Clip level\" ;\n"
         << "        lv2:minimum 0.0 ;\n"
         << "        lv2:maximum " << variant.clipLevelMaximum << ".0\n"
         << "    ]";
    int32_t index = FirstControlPort(variant);
    for (const EngineInputInfo& input : EngineInputTable()) {
        text << " , [\n"
             << "        a lv2:ControlPort, lv2:InputPort ;\n"
             << "        lv2:index " << index++ << " ;\n"
             << "        lv2:symbol \"" << ControlPortSymbol(input) << "\" ;\n"
             << "        lv2:name \"" << ControlPortName(input) << "\" ;\n"
             << "        lv2:default " << input.defaultValue << " ;\n"
             << "        lv2:minimum 0 ;\n"
             << "        lv2:maximum " << input.maximum << " ;\n"
             << "        lv2:portProperty " << (input.IsSwitch() ? "lv2:toggled" : "lv2:integer") << "\n"
             << "    ]";
    }
    text << " .\n\n";
    return text.str();
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) std::fprintf(stderr, "velora-lv2-ttl: cannot write '%s'\n", path.c_str());
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velora-lv2-ttl BUNDLE_FOLDER BINARY_NAME\n");
        return 2;
    }
    std::set<std::string> symbols, names;
    for (const EngineInputInfo& input : EngineInputTable()) {
        const std::string symbol = ControlPortSymbol(input);
        if (!IsSymbol(symbol) || !symbols.insert(symbol).second || !names.insert(ControlPortName(input)).second) {
            std::fprintf(stderr, "velora-lv2-ttl: the port of '%s' needs a unique symbol and name\n", input.key);
            return 1;
        }
    }
    std::string description = kPrefixes;
    for (const PluginVariant& variant : PluginVariants()) description += PluginDescription(variant);
    const std::string folder = argv[1];
    return WriteFile(folder + "/manifest.ttl", Manifest(argv[2])) && WriteFile(folder + "/velora.ttl", description)
               ? 0
               : 1;
}
