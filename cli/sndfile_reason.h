#pragma once
// libsndfile's account of a failure, as part of one line of ours: some of its messages end in a
// line end, others in a full stop.

#include <string>

inline std::string SndfileReason(std::string text) {
    text.erase(text.find_last_not_of("\r\n .") + 1);
    return text;
}
