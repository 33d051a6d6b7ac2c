// Starting one run of a job the way launchd does: its own session, working
// folder /, standard input /dev/null, output to the job's files, launchd's
// bare environment plus the job's variables, and the domain's user.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "launchctl_job.h"
#include "launchctl_target.h"

namespace standin {

// What a job process needs, worked out before the fork: the child only runs
// system calls.
struct LaunchPlan {
    std::vector<std::string> argv;  // the program first
    std::vector<std::string> env;  // "NAME=value"
    std::optional<std::string> stdoutPath;
    std::optional<std::string> stderrPath;
    bool dropToUser = false;  // gui/<uid> and user/<uid> jobs never run as root
    uid_t uid = 0;
    gid_t gid = 0;
};

// What a job gets when it cannot be started, as a shell would report it.
inline constexpr int kCannotStart = 127;

LaunchPlan planLaunch(const Domain& domain, const Job& job);

// The child's pid, or -1 when no process could be made.
pid_t spawnJob(const LaunchPlan& plan);

}  // namespace standin
