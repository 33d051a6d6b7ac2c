// launchd job property lists and control through /bin/launchctl.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/plist.h"
#include "common/result.h"

namespace qc {

inline constexpr const char* kLaunchctl = "/bin/launchctl";
// The sync interval when none is given or the job does not say.
inline constexpr int64_t kDefaultInterval = 1800;

// What sets the tool's two jobs apart; everything else they share.
struct JobSpec {
    std::string label;
    std::vector<std::string> arguments;  // the installed copy is put first
    std::string watchPath;
    std::optional<int64_t> startInterval;  // a periodic job also runs at load
};
Plist jobPlist(const JobSpec& job);

// Writes the property list, root:wheel 644; the "error: cannot write" line on failure.
Status writeJobPlist(plist_t dict, const std::string& path);

// Reloads the job from its file. A failure carries launchctl's own words
// (the detail, which may be empty), escaped.
Status loadJob(const std::string& label, const std::string& plist);
bool jobIsLoaded(const std::string& label);
std::string serviceTarget(const std::string& label);

struct ConfiguredJob {
    std::string server;
    int64_t interval = 0;
};
std::optional<ConfiguredJob> configuredJob();

}  // namespace qc
