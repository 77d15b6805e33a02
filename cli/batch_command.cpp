#include "cli/batch_command.h"

#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "cli/batch_plan.h"
#include "cli/command_failure.h"
#include "cli/file_enhancement.h"
#include "cli/process_steps.h"
#include "cli/progress_bar.h"

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

int32_t ProcessorCount() {
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0) return CPU_COUNT(&set);
    return static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
}

// A file's share of the overall bar is its size, which follows its length for like formats.
int64_t ShareOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && status.st_size > 0 ? status.st_size : 1;
}

void CreateFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw RuntimeFailure("cannot create the folder '" + folder + "': " + error.message());
    if (!std::filesystem::is_directory(folder)) {
        throw RuntimeFailure("cannot write into '" + folder + "': it is not a folder");
    }
}

// An output must not replace any input: the input's own, or one another worker has yet to read.
void CheckNoInputIsReplaced(const std::vector<BatchJob>& jobs) {
    std::map<std::pair<dev_t, ino_t>, const std::string*> inputs;
    struct stat status {};
    for (const BatchJob& job : jobs) {
        if (::stat(job.input.c_str(), &status) == 0) inputs.emplace(std::pair(status.st_dev, status.st_ino), &job.input);
    }
    for (const BatchJob& job : jobs) {
        if (job.output.empty() || ::stat(job.output.c_str(), &status) != 0) continue;
        const auto input = inputs.find(std::pair(status.st_dev, status.st_ino));
        if (input != inputs.end()) {
            throw UsageError("'" + job.output + "' would replace the input '" + *input->second +
                             "'; choose another --out-dir");
        }
    }
}

struct Report {
    bool failed;
    std::string line;
};

// What the workers hand the main thread, which alone writes to the terminal.
class BatchState {
public:
    explicit BatchState(const std::vector<BatchJob>& jobs) : jobs_(jobs), progress_(jobs.size()) {
        for (const BatchJob& job : jobs) shares_.push_back(ShareOf(job.input));
    }

    const std::vector<BatchJob>& Jobs() const { return jobs_; }
    int64_t TotalShare() const {
        int64_t total = 0;
        for (const int64_t share : shares_) total += share;
        return total;
    }
    int64_t ShareDone() const {
        int64_t done = 0;
        for (const std::atomic<int64_t>& part : progress_) done += part.load(std::memory_order_relaxed);
        return done;
    }

    // The next job to take, or Jobs().size() when none is left.
    size_t TakeJob() { return std::min(next_.fetch_add(1), jobs_.size()); }

    void Advanced(size_t job, int64_t done, int64_t frames) {
        if (frames > 0) progress_[job].store(shares_[job] * std::min(done, frames) / frames, std::memory_order_relaxed);
    }

    void Finished(size_t job, Report report) {
        progress_[job].store(shares_[job], std::memory_order_relaxed);
        const std::lock_guard<std::mutex> lock(mutex_);
        reports_.push_back(std::move(report));
        ++finished_;
        changed_.notify_one();
    }

    // Waits for a report or the redraw interval; hands out the reports so far. False once every
    // job is reported and nothing is left to hand out.
    bool WaitForReports(std::vector<Report>& reports) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (reports_.empty() && finished_ == jobs_.size()) return false;
        changed_.wait_for(lock, kRedrawInterval, [this] { return !reports_.empty(); });
        reports.swap(reports_);
        reports_.clear();
        return true;
    }

private:
    const std::vector<BatchJob>& jobs_;
    std::vector<int64_t> shares_;
    std::vector<std::atomic<int64_t>> progress_;
    std::atomic<size_t> next_{0};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Report> reports_;
    size_t finished_ = 0;
};

Report RunJob(const BatchJob& job, const ProcessRequest& request, const StoredTexts& stored, BatchState& state,
              size_t index) {
    try {
        if (!job.format) {
            throw RuntimeFailure("cannot tell the format of an output for '" + job.input +
                                 "' from its name; choose one with --format (" + KnownOutputExtensions() + ")");
        }
        FileEnhancement enhancement(job.input, job.output, *job.format, stored, request.assignments,
                                    request.blockFrames);
        while (enhancement.Advance()) state.Advanced(index, enhancement.Done(), enhancement.Frames());
        enhancement.Commit();
        return {false, WroteLine(job.output, *job.format, enhancement)};
    } catch (const std::exception& error) {
        return {true, std::string("velora: ") + error.what() + "\n"};
    }
}

void Work(const ProcessRequest& request, const StoredTexts& stored, BatchState& state) {
    for (size_t index; (index = state.TakeJob()) < state.Jobs().size();) {
        state.Finished(index, RunJob(state.Jobs()[index], request, stored, state, index));
    }
}

}  // namespace

void RunBatchCommand(const ProcessRequest& request) {
    const std::vector<BatchJob> jobs = PlanBatch(request.inputs, request.outFolder, request.formatExtension);
    CheckNoInputIsReplaced(jobs);
    const StoredTexts stored = ReadStoredTexts(request);
    CreateFolder(request.outFolder);

    BatchState state(jobs);
    const int32_t workerCount = static_cast<int32_t>(
        std::min<size_t>(jobs.size(), request.jobs > 0 ? request.jobs : ProcessorCount()));
    std::vector<std::jthread> workers;
    for (int32_t worker = 0; worker < workerCount; ++worker) {
        workers.emplace_back([&] { Work(request, stored, state); });
    }

    ProgressBar progress(state.TotalShare(), !request.quiet && ::isatty(STDERR_FILENO));
    size_t failed = 0;
    for (std::vector<Report> reports; state.WaitForReports(reports);) {
        for (const Report& report : reports) {
            failed += report.failed;
            if (!report.failed && request.quiet) continue;
            progress.Clear();
            std::fputs(report.line.c_str(), report.failed ? stderr : stdout);
            std::fflush(report.failed ? stderr : stdout);
        }
        progress.Update(state.ShareDone());
    }
    workers.clear();
    progress.Finish();
    if (failed > 0) {
        throw RuntimeFailure(std::to_string(failed) + " of " + std::to_string(jobs.size()) + " files failed");
    }
}
