// The supervisor: the part of launchd that runs loaded jobs, for the test
// sandbox ("launchctl supervise", as root until SIGTERM). It learns of
// bootstraps and bootouts from the state tree, runs each job on its
// triggers, reaps it, and lets it go at bootout.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "supervisor_job.h"

namespace standin {

struct Supervisor {
    int treeFd = -1;                                              // inotify on the state tree's folders
    std::map<std::string, std::unique_ptr<SupervisedJob>> jobs;  // "<domain key>/<label>"
    std::vector<std::unique_ptr<SupervisedJob>> retired;         // booted out, instance still running
};

int cmdSupervise();

// Watches the state folder and every domain folder in it, and brings the
// jobs in line with their folders: new ones are loaded, vanished or replaced
// ones let go.
bool watchTree(Supervisor& sup);
void rescan(Supervisor& sup, int64_t now);

// A watched path of the job changed; runs are started once the burst of
// events that one change makes has passed.
void noteWatchChange(SupervisedJob& job, int64_t now);

void reapChildren(Supervisor& sup);
void fireTimers(Supervisor& sup, int64_t now);
std::optional<int64_t> nextDeadline(const Supervisor& sup);

// SIGTERM to every running instance, as launchd does when it shuts down.
void stopAll(Supervisor& sup);

}  // namespace standin
