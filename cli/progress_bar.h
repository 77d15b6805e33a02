#pragma once
// A one-line progress bar on stderr, redrawn in place whenever the shown percentage changes.

#include <cstdint>
#include <string>

// "[#####---------------]  25%" with barWidth marks between the brackets.
std::string FormatProgressBar(int64_t done, int64_t total, int barWidth);

class ProgressBar {
public:
    // A bar that is not enabled draws nothing.
    ProgressBar(int64_t total, bool enabled);
    // Ends the line if the bar was left unfinished, so that an error message starts on its own.
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Update(int64_t done);
    // Wipes the bar off its line so that a message can take the line; the next Update draws it again.
    void Clear();
    void Finish();

private:
    int64_t total_;
    bool enabled_;
    bool lineOpen_ = false;
    int shownPercent_ = -1;
};
