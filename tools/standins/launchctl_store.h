// The loaded jobs of the stand-in launchd, one folder per job:
// <state>/<domain key>/<label>/plist plus, once a supervisor runs them,
// {loaded,pid,runs,last-exit}. A folder appears and disappears with one
// rename, so a reader never sees a half-loaded job.
#pragma once

#include <cstddef>
#include <cstdint>
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
// Written into a booted-out job's folder by the supervisor once it has let
// the job go and sent its running instance SIGTERM.
inline constexpr const char* kUnloadedMark = "unloaded";

struct LoadedJob {
    std::string plist;  // the bytes read at bootstrap
    JobRuns runs;
};

std::optional<LoadedJob> readLoadedJob(const Service& service);
// False when the label is loaded already, or the job could not be stored.
bool addJob(const Domain& domain, const std::string& label, std::string_view plist);
// False when the job was not loaded. As launchd's, it returns only once a
// running instance has been told to end (the supervisor's mark, when one
// runs): a job that boots itself out ends in this wait.
bool removeJob(const Service& service);

std::string domainFolder(const std::string& key);
// Holds the supervisor's pid while one runs.
std::string supervisorReadyPath();
bool processAlive(long long pid);
int64_t monotonicMs();

// Returns once the supervisor has loaded the job, the job is gone again, or
// no supervisor runs (outside --supervise nothing ever runs jobs). True
// unless the supervisor stayed silent for a minute.
bool awaitLoaded(const Domain& domain, const std::string& label);

// Fault switches that tests drop into the state folder.
bool faultPresent(const char* name);
// True when this bootstrap is to fail because of "fail-bootstrap": every one
// while it holds no number, else as many as it says.
bool takeBootstrapFailure();

}  // namespace standin
