// One loaded job as the supervisor runs it, and the bookkeeping files that
// "print" reads from the job's folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

#include "launchctl_job.h"
#include "launchctl_target.h"
#include "supervisor_watch.h"

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
    std::optional<int64_t> nextInterval;
    std::optional<int64_t> settleAt;  // a watched path changed; run then
    std::optional<int64_t> killAt;    // SIGKILL for an instance that ignored SIGTERM
    WatchSet watch;
};

int64_t monotonicMs();

// Opens the folder and reads the job from it. Absent when the folder is not
// there; a job with an absent definition when its property list cannot be used.
std::optional<SupervisedJob> openJob(const Domain& domain, const std::string& domainDir, const std::string& label);
void closeJob(SupervisedJob& job);

// True while the label's folder is still the one this job was loaded from.
bool stillLoaded(const SupervisedJob& job);

// Writes a number into the job's folder atomically; "pid" is removed again
// with dropBook. Both give up quietly once the job has been booted out.
void writeBook(const SupervisedJob& job, const char* name, long long value);
void dropBook(const SupervisedJob& job, const char* name);

}  // namespace standin
