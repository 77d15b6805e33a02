#pragma once
// A small LV2 host over lilv for the tests: it loads bundles from folders, runs one plug-in over
// interleaved float samples in blocks of a chosen size and reports what its output ports said.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using PortValues = std::vector<std::pair<std::string, float>>;

struct Lv2Render {
    bool instantiated = false;
    std::vector<float> samples;  // interleaved
    float latency = -1;          // the latency port after the first block
    float peakClipLevel = 0;     // the highest the clip meter port showed
    std::vector<std::pair<size_t, float>> clipLevels;  // the clip meter after each block, by its end frame
};

struct Lv2RenderRequest {
    std::vector<std::string> bundleFolders;
    std::string pluginUri;
    double sampleRate = 44100;
    int32_t channels = 2;
    uint32_t blockFrames = 576;
    std::string presetUri;  // applied first, when given
    PortValues values;      // then these, by port symbol
    std::vector<std::pair<size_t, PortValues>> changes;  // set before the block that starts at that frame
    bool emptyRuns = false;                              // run(0) after every block
};

Lv2Render RenderWithLilv(const Lv2RenderRequest& request, const std::vector<float>& samples);
