#include "cli/batch_plan.h"

#include <filesystem>
#include <map>

#include "cli/command_failure.h"

namespace {

// "music/album/" names the folder "album"; its output is named after it too.
std::filesystem::path WithoutTrailingSlashes(std::string name) {
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    return name;
}

}  // namespace

std::vector<BatchJob> PlanBatch(std::span<const std::string> inputs, const std::string& outFolder,
                                const std::string& formatExtension) {
    std::vector<BatchJob> jobs;
    std::map<std::string, const std::string*> inputOf;
    for (const std::string& input : inputs) {
        const std::filesystem::path name = WithoutTrailingSlashes(input).filename();
        const std::string ownExtension = name.has_extension() ? name.extension().string().substr(1) : "";
        const std::string extension = formatExtension.empty() ? ownExtension : formatExtension;
        BatchJob job{input, "", OutputFormatForExtension(extension)};
        if (job.format) {
            job.output = (std::filesystem::path(outFolder) / name.stem()).string() + "." + extension;
            const auto [entry, isNew] = inputOf.emplace(job.output, &input);
            if (!isNew) {
                throw UsageError("'" + *entry->second + "' and '" + input + "' would both be written to '" +
                                 job.output + "'; process them into different folders");
            }
        }
        jobs.push_back(std::move(job));
    }
    return jobs;
}
