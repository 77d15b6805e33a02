#include "cli/progress_bar.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kBarWidth = 40;

int64_t ClampedDone(int64_t done, int64_t total) { return std::clamp<int64_t>(done, 0, total); }

int Percent(int64_t done, int64_t total) {
    return total > 0 ? static_cast<int>(ClampedDone(done, total) * 100 / total) : 100;
}

}  // namespace

std::string FormatProgressBar(int64_t done, int64_t total, int barWidth) {
    const int64_t filled = total > 0 ? ClampedDone(done, total) * barWidth / total : barWidth;
    std::string bar(1, '[');
    bar.append(filled, '#');
    bar.append(barWidth - filled, '-');
    bar += ']';
    char percent[8];
    std::snprintf(percent, sizeof percent, " %3d%%", Percent(done, total));
    return bar + percent;
}

ProgressBar::ProgressBar(int64_t total, bool enabled) : total_(total), enabled_(enabled) {}

ProgressBar::~ProgressBar() {
    if (lineOpen_) std::fputc('\n', stderr);
}

void ProgressBar::Update(int64_t done) {
    if (!enabled_ || Percent(done, total_) == shownPercent_) return;
    shownPercent_ = Percent(done, total_);
    std::fprintf(stderr, "\r%s", FormatProgressBar(done, total_, kBarWidth).c_str());
    std::fflush(stderr);
    lineOpen_ = true;
}

void ProgressBar::Clear() {
    if (!lineOpen_) return;
    const int width = static_cast<int>(FormatProgressBar(0, 1, kBarWidth).size());
    std::fprintf(stderr, "\r%*s\r", width, "");
    lineOpen_ = false;
    shownPercent_ = -1;
}

void ProgressBar::Finish() {
    Update(total_);
    if (lineOpen_) std::fputc('\n', stderr);
    lineOpen_ = false;
}
