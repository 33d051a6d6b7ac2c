// One loaded job as the supervisor runs it: the bookkeeping files that
// "print" reads from the job's folder, and the inotify watches behind its
// WatchPaths. A path is watched through its folder, by name, so that a write,
// a touch, creation, deletion and replacement by rename are all seen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "launchctl_job.h"
#include "launchctl_target.h"

namespace standin {

struct SupervisedJob {
    Domain domain;
    std::string label;
    std::string dir;  // <state>/<domain key>/<label>
    // The folder as it was loaded, held open so that its inode stays unique:
    // a re-bootstrap of the label makes a new folder, and so a new job.
    int dirFd = -1;
    dev_t dev = 0;
    ino_t ino = 0;
    std::optional<Job> definition;  // absent when the property list is unusable
    pid_t pid = 0;                  // of the running instance
    bool pending = false;           // one more run once this one ends
    long long runs = 0;
    // Deadlines on the monotonic clock, in milliseconds.
    std::optional<int64_t> settleAt;  // a watched path changed; run then
    std::optional<int64_t> killAt;    // SIGKILL for an instance that ignored SIGTERM
    int watchFd = -1;                 // one inotify instance; closing it drops every watch
    std::vector<std::pair<int, std::string>> watches;  // the folder's watch, the name in it
};

// Opens the folder, reads the job from it and arms its watches. Absent when
// the folder is not there; a job with an absent definition when its property
// list cannot be used.
std::optional<SupervisedJob> openJob(const Domain& domain, const std::string& dir, const std::string& label);
void closeJob(SupervisedJob& job);

// Drains the job's watches; true when a watched path changed.
bool readWatches(SupervisedJob& job);

// Writes a number into the job's folder atomically; "pid" is removed again
// with dropBook. Both give up quietly once the job has been booted out (a
// write that races the bootout may leave its hidden folder behind).
void writeBook(const SupervisedJob& job, const char* name, long long value);
void dropBook(const SupervisedJob& job, const char* name);
// Tells the bootout that unloaded the job, in the folder it renamed away,
// that the job has been let go.
void markUnloaded(const SupervisedJob& job);

}  // namespace standin
