// launchd job property lists and control through /bin/launchctl.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "common/plist.h"

namespace qc {

inline constexpr const char* kLaunchctl = "/bin/launchctl";

// Writes the property list, or reports "cannot write" and ends the process.
void writeJobPlist(plist_t dict, const std::string& path);

struct LoadResult {
    bool ok = false;
    std::string detail;
};
LoadResult loadJob(const std::string& label, const std::string& plist);
bool jobIsLoaded(const std::string& label);
std::string serviceTarget(const std::string& label);

struct ConfiguredJob {
    std::string server;
    int64_t interval = 0;
};
std::optional<ConfiguredJob> configuredJob();

std::optional<std::map<std::string, std::string>> testEnvironment();
std::string intervalText(int64_t seconds);

}  // namespace qc
