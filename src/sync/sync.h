// One forced sync with sntp: what ran and what of its output is shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

struct SyncAttempt {
    int64_t epoch = 0;               // when sntp was started
    int code = -1;                   // sntp's exit status; 0 is a sync
    std::vector<std::string> lines;  // what of its output is shown, in order
    std::optional<double> offset;    // the first offset its lines show
};
// Runs sntp once against the server. The records are the caller's.
SyncAttempt attemptSync(const std::string& server);

// The lines of sntp's output that are shown, trimmed and escaped: all of
// them, or only the distinct "sntp: " messages of a long failed run.
std::vector<std::string> sntpLinesToPrint(std::string_view output, int code);

// The offset in an sntp result line: a signed decimal followed by " +/- ",
// as sntp prints it on Debian and on a Mac; absent in any other line.
std::optional<double> sntpOffset(std::string_view line);

}  // namespace qc
