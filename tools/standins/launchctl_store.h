// The loaded jobs of the stand-in launchd, one folder per job:
// <state>/<domain key>/<label>/{plist,path} plus, once a supervisor runs
// them, {loaded,pid,runs,last-exit}. A folder appears and disappears with
// one rename, so a reader never sees a half-loaded job.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "launchctl_job.h"
#include "launchctl_target.h"

namespace standin {

inline constexpr const char* kLaunchdState = "/run/quorvandel-standins/launchd";
inline constexpr size_t kMaxPlistBytes = 1 << 20;
// Written into a job's folder by the supervisor once the job is armed and its
// RunAtLoad run started.
inline constexpr const char* kLoadedMark = "loaded";

struct LoadedJob {
    std::string plist;  // the bytes read at bootstrap
    std::string path;   // where they were read from
    JobRuns runs;
};

enum class AddOutcome { Added, AlreadyLoaded, Failed };
enum class RemoveOutcome { Removed, NotLoaded, Failed };

std::optional<LoadedJob> readLoadedJob(const Service& service);
AddOutcome addJob(const Domain& domain, const std::string& label, std::string_view plist, const std::string& path);
RemoveOutcome removeJob(const Service& service);

std::string jobFolder(const Domain& domain, const std::string& label);
// Holds the supervisor's pid while one runs.
std::string supervisorReadyPath();
bool processAlive(long long pid);

// Fault switches that tests drop into the state folder.
bool faultPresent(const char* name);
// True when this bootstrap is to fail because of "fail-bootstrap".
bool takeBootstrapFailure();

}  // namespace standin
