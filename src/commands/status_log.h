// What the log tells a fleet besides its last lines: the newest sync attempt,
// the clock offset sntp measured on the newest successful one, and who asked
// to set the clock, to what, and whether the floor held. Read from the lines
// the tool itself writes there; everything else in the log is passed over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The set-time requests a report lists, the newest ones.
inline constexpr size_t kReportedRequests = 20;

struct SyncAttemptRecord {
    int64_t epoch = 0;
    std::string server;  // escaped
    int32_t exitCode = 0;
};

struct ClockRequestRecord {
    int64_t epoch = 0;
    int64_t uid = 0;
    bool ok = false;                       // refused otherwise
    std::optional<std::string> requested;  // the time asked for, escaped; absent when the answer does not say
};

struct LogFacts {
    std::optional<SyncAttemptRecord> lastAttempt;
    std::optional<double> offsetSeconds;
    std::vector<ClockRequestRecord> setTimeRequests;  // the newest ones, oldest first
};

// The facts of the log's lines, oldest first.
LogFacts readLogFacts(const std::vector<std::string_view>& lines);

// The offset in an sntp result line: a signed decimal followed by " +/- ",
// as sntp prints it on Debian and on a Mac; absent in any other line.
std::optional<double> sntpOffset(std::string_view line);

}  // namespace qc
