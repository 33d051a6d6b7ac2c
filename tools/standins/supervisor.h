// The supervisor's jobs: loading them as they are bootstrapped, running them
// on their triggers, reaping them, and letting them go at bootout.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "supervisor_job.h"
#include "supervisor_tree.h"

namespace standin {

struct Supervisor {
    TreeWatch tree;
    std::map<std::string, std::unique_ptr<SupervisedJob>> jobs;  // "<domain key>/<label>"
    std::vector<std::unique_ptr<SupervisedJob>> retired;         // booted out, instance still running
};

// Brings the jobs of one domain in line with its folder: new job folders are
// loaded, vanished or replaced ones let go.
void rescanDomain(Supervisor& sup, const std::string& key, int64_t now);

// A watched path of the job changed; runs are started once the burst of
// events that one change makes has passed.
void noteWatchChange(SupervisedJob& job, int64_t now);

void reapChildren(Supervisor& sup);
void fireTimers(Supervisor& sup, int64_t now);
std::optional<int64_t> nextDeadline(const Supervisor& sup);

// SIGTERM to every running instance, as launchd does when it shuts down.
void stopAll(Supervisor& sup);

}  // namespace standin
