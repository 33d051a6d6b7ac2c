// launchd job property lists and control. This is the one room that runs
// launchctl or reads what it says; everything else asks these functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/plist.h"
#include "common/result.h"

namespace qc {

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

// Writes the property list, root:wheel 644; "cannot write <path>: <why>" on failure.
Status writeJobPlist(plist_t dict, const std::string& path);

// Reloads the job from its file. A failure says "did not load" with
// launchctl's own words (escaped) in brackets when it gave any.
Status loadJob(const std::string& label, const std::string& plist);
// Unloads the job; a job that was not loaded is a failure too.
Status unloadJob(const std::string& label);
bool jobIsLoaded(const std::string& label);

// What launchd says of a job, as status shows it.
struct JobState {
    bool loaded = false;
    // The lines of launchctl print that hold "state =" or "run interval", in
    // their order, trimmed and escaped.
    std::vector<std::string> lines;
    // The value of the first of them that begins "state =", and of the one
    // that reads "run interval = <n> seconds".
    std::optional<std::string> state;
    std::optional<int64_t> runIntervalSeconds;
};
JobState jobState(const std::string& label);

struct ConfiguredJob {
    std::string server;
    int64_t interval = 0;
};
std::optional<ConfiguredJob> configuredJob();

}  // namespace qc
