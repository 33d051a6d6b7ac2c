// One forced sync with sntp: what ran and what of its output is shown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qc {

struct SyncAttempt {
    std::string stamp;               // the time text taken before sntp ran
    int code = -1;                   // sntp's exit status; 0 is a sync
    std::vector<std::string> lines;  // what of its output is shown, in order
};
// Runs sntp once against the server. The last-sync record is the caller's.
SyncAttempt attemptSync(const std::string& server);

// The lines of sntp's output that are shown, trimmed and escaped: all of
// them, or only the distinct "sntp: " messages of a long failed run.
std::vector<std::string> sntpLinesToPrint(std::string_view output, int code);

}  // namespace qc
