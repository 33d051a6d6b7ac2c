// A job property list as launchd reads it, and the "print" block for it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "launchctl_target.h"

namespace standin {

struct Job {
    std::string label;
    std::vector<std::string> arguments;  // the program first
    std::optional<std::string> stdoutPath;
    std::optional<std::string> stderrPath;
    std::vector<std::pair<std::string, std::string>> environment;
    std::optional<long long> startInterval;
    std::vector<std::string> watchPaths;
    bool runAtLoad = false;
};

// What the supervisor of loaded jobs has recorded about one job.
struct JobRuns {
    std::optional<long long> pid;  // only while that process is alive
    long long runs = 0;
    std::optional<long long> lastExit;
};

// XML bytes. Absent unless the root is a dictionary with a string Label and
// a non-empty ProgramArguments of strings.
std::optional<Job> parseJob(std::string_view bytes);

std::string renderJob(const Service& service, const Job& job, const JobRuns& runs);

}  // namespace standin
