// velora-lv2-ttl: writes the bundle's description files, manifest.ttl, velora.ttl and
// presets.ttl, from the table of engine inputs and the factory preset files, so that the table
// and the preset files stay the one place that names them.
//
//   velora-lv2-ttl BUNDLE_FOLDER BINARY_NAME PRESET_FOLDER

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "lv2/plugin_ports.h"
#include "lv2/preset_folder.h"

namespace {

const char* const kPrefixes =
    "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
    "@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
    "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix pg: <http://lv2plug.in/ns/ext/port-groups#> .\n"
    "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
    "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
    "\n";

constexpr char kProjectUri[] = "urn:velora:project";

// The terms of the project and of each plug-in, as hosts show them beside its name.
const char* const kLicence = "    doap:license <http://opensource.org/licenses/MIT> ;\n";

// Hosts pick the higher of two installed copies by these. An even minor version marks a
// release: version MAJOR.MINOR of the project is minor version 2 × MAJOR, micro version MINOR.
constexpr int32_t kLv2MinorVersion = 2 * VELORA_VERSION_MAJOR;
constexpr int32_t kLv2MicroVersion = VELORA_VERSION_MINOR;

// The window pages that show the engine inputs, in the table's order.
std::vector<std::string> Pages() {
    std::vector<std::string> pages;
    for (const EngineInputInfo& input : EngineInputTable()) {
        if (std::find(pages.begin(), pages.end(), input.page) == pages.end()) pages.emplace_back(input.page);
    }
    return pages;
}

// A symbol is a C identifier; the names must be told apart in a host's list.
bool IsSymbol(const std::string& symbol) {
    if (symbol.empty() || std::isdigit(static_cast<unsigned char>(symbol[0]))) return false;
    for (const char c : symbol) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

std::string Manifest(const std::string& binaryName, const std::vector<Lv2Preset>& presets) {
    std::ostringstream text;
    text << kPrefixes;
    for (const PluginVariant& variant : PluginVariants()) {
        text << "<" << variant.uri << ">\n"
             << "    a lv2:Plugin ;\n"
             << "    lv2:binary <" << binaryName << "> ;\n"
             << "    rdfs:seeAlso <velora.ttl> .\n\n";
    }
    text << PresetManifestStatements(presets);
    return text.str();
}

std::string Project() {
    std::ostringstream text;
    text << "<" << kProjectUri << ">\n"
         << "    a doap:Project ;\n"
         << kLicence
         << "    doap:maintainer [\n"
         << "        a foaf:Person ;\n"
         << "        foaf:name \"The Velora developers\"\n"
         << "    ] ;\n"
         << "    doap:name \"Velora\" .\n\n";
    return text.str();
}

// The audio groups, one input and one output, and a group per window page.
void PortGroups(std::ostringstream& text, const PluginVariant& variant) {
    const char* const kind = variant.channels == 2 ? "pg:StereoGroup" : "pg:MonoGroup";
    text << "<" << PortGroupUri(variant, "in") << ">\n"
         << "    a pg:InputGroup, " << kind << " ;\n"
         << "    lv2:symbol \"in\" ;\n"
         << "    rdfs:label \"Input\" .\n\n"
         << "<" << PortGroupUri(variant, "out") << ">\n"
         << "    a pg:OutputGroup, " << kind << " ;\n"
         << "    lv2:symbol \"out\" ;\n"
         << "    rdfs:label \"Output\" ;\n"
         << "    pg:source <" << PortGroupUri(variant, "in") << "> .\n\n";
    for (const std::string& page : Pages()) {
        const std::string symbol = PageGroupSymbol(page);
        text << "<" << PortGroupUri(variant, symbol) << ">\n"
             << "    a pg:Group ;\n"
             << "    lv2:symbol \"" << symbol << "\" ;\n"
             << "    rdfs:label \"" << page << "\" .\n\n";
    }
}

const char* ChannelDesignation(const PluginVariant& variant, int32_t channel) {
    if (variant.channels == 1) return "pg:center";
    return channel == 0 ? "pg:left" : "pg:right";
}

void AudioPorts(std::ostringstream& text, const PluginVariant& variant, bool output) {
    for (int32_t channel = 0; channel < variant.channels; ++channel) {
        text << "    lv2:port [\n"
             << "        a lv2:AudioPort, " << (output ? "lv2:OutputPort" : "lv2:InputPort") << " ;\n"
             << "        lv2:index " << (output ? AudioOutputPort(variant, channel) : AudioInputPort(channel))
             << " ;\n"
             << "        lv2:symbol \"" << AudioPortSymbol(variant, output, channel) << "\" ;\n"
             << "        lv2:name \"" << AudioPortName(variant, output, channel) << "\" ;\n"
             << "        pg:group <" << PortGroupUri(variant, output ? "out" : "in") << "> ;\n"
             << "        lv2:designation " << ChannelDesignation(variant, channel) << "\n"
             << "    ] ;\n";
    }
}

std::string PluginDescription(const PluginVariant& variant) {
    std::ostringstream text;
    PortGroups(text, variant);
    text << "<" << variant.uri << ">\n"
         << "    a lv2:Plugin, lv2:DynamicsPlugin ;\n"
         << "    doap:name \"" << variant.name << "\" ;\n"
         << "    rdfs:comment \"Thickens the bass and widens and brightens the music. A bass channel and a "
            "music channel, each with its own automatic gain control and look-ahead compressor, are mixed "
            "and limited to the 16-bit range; the output comes "
         << kLookAheadRing - 1 << " frames late"
         << (variant.channels == 1 ? ". This variant processes one channel." : ".") << "\" ;\n"
         << "    lv2:project <" << kProjectUri << "> ;\n"
         << kLicence
         << "    lv2:minorVersion " << kLv2MinorVersion << " ;\n"
         << "    lv2:microVersion " << kLv2MicroVersion << " ;\n"
         << "    lv2:optionalFeature lv2:hardRTCapable ;\n"
         << "    pg:mainInput <" << PortGroupUri(variant, "in") << "> ;\n"
         << "    pg:mainOutput <" << PortGroupUri(variant, "out") << "> ;\n";
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
             << "        lv2:portProperty " << (input.IsSwitch() ? "lv2:toggled" : "lv2:integer") << " ;\n"
             << "        pg:group <" << PortGroupUri(variant, PageGroupSymbol(input.page)) << ">\n"
             << "    ]";
    }
    text << " , [\n"
         << "        a lv2:ControlPort, lv2:InputPort ;\n"
         << "        lv2:index " << EnabledPort(variant) << " ;\n"
         << "        lv2:symbol \"" << kEnabledPortSymbol << "\" ;\n"
         << "        lv2:name \"Enabled\" ;\n"
         << "        lv2:default 1 ;\n"
         << "        lv2:minimum 0 ;\n"
         << "        lv2:maximum 1 ;\n"
         << "        lv2:designation lv2:enabled ;\n"
         << "        lv2:portProperty lv2:toggled\n"
         << "    ] .\n\n";
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
    if (argc != 4) {
        std::fprintf(stderr, "usage: velora-lv2-ttl BUNDLE_FOLDER BINARY_NAME PRESET_FOLDER\n");
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
    std::vector<Lv2Preset> presets;
    try {
        presets = ReadPresetFolder(argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velora-lv2-ttl: %s\n", error.what());
        return 1;
    }
    std::string description = kPrefixes + Project();
    for (const PluginVariant& variant : PluginVariants()) description += PluginDescription(variant);
    const std::string folder = argv[1];
    return WriteFile(folder + "/manifest.ttl", Manifest(argv[2], presets)) &&
                   WriteFile(folder + "/velora.ttl", description) &&
                   WriteFile(folder + "/" + kPresetDescriptionFile, PresetDescriptions(presets))
               ? 0
               : 1;
}
