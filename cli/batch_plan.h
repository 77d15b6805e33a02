#pragma once
// Where each input of `velora process IN... --out-dir DIR` goes: DIR/NAME.EXT, NAME the input's
// name without its extension, EXT the --format or the input's own extension.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/output_format.h"

struct BatchJob {
    std::string input;
    std::string output;                 // empty when no format can be told
    std::optional<OutputFormat> format;
};

// Throws UsageError when two inputs would be written to one output: nothing is replaced then.
std::vector<BatchJob> PlanBatch(std::span<const std::string> inputs, const std::string& outFolder,
                                const std::string& formatExtension);
