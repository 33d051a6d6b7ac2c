#include <algorithm>
#include <signal.h>
#include <sys/wait.h>

#include "launchctl_store.h"
#include "standin_io.h"
#include "supervisor.h"
#include "supervisor_spawn.h"

namespace standin {

namespace {

// One touch makes an attribute event and a close event, a write several:
// events this close together are one change. On a busy machine the process
// that makes them can wait longer than a few milliseconds between two.
constexpr int64_t kSettleMs = 200;
// launchd's default ExitTimeOut: SIGKILL this long after SIGTERM.
constexpr int64_t kExitTimeoutMs = 20000;
constexpr long long kLongestInterval = 10LL * 365 * 24 * 3600;

std::string nameOf(const SupervisedJob& job) {
    return job.domain.name + "/" + job.label;
}

void say(const std::string& text) {
    outLine("supervise: " + text);
}

long long exitCode(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return WTERMSIG(status);
    return -1;
}

void startRun(SupervisedJob& job) {
    const pid_t pid = spawnJob(planLaunch(job.domain, *job.definition));
    job.runs += 1;
    writeBook(job, "runs", job.runs);
    if (pid < 0) {
        say("cannot start " + nameOf(job));
        writeBook(job, "last-exit", kCannotStart);
        return;
    }
    job.pid = pid;
    writeBook(job, "pid", pid);
    say("started " + nameOf(job) + " (pid " + std::to_string(pid) + ")");
}

void trigger(SupervisedJob& job) {
    if (job.pid)
        job.pending = true;
    else
        startRun(job);
}

void loadJob(Supervisor& sup, const std::string& key, const std::string& label, int64_t now) {
    auto domain = domainFromKey(key);
    if (!domain) return;
    auto opened = openJob(*domain, domainFolder(key), label);
    if (!opened) return;
    auto job = std::make_unique<SupervisedJob>(std::move(*opened));
    if (!job->definition) {
        say("ignoring " + nameOf(*job) + ": unusable property list");
    } else {
        say("loaded " + nameOf(*job));
        for (const auto& path : job->definition->watchPaths.value_or(std::vector<std::string>{}))
            job->watch.paths.push_back(normalWatchPath(path));
        if (!job->watch.paths.empty() && !armWatches(job->watch)) say("cannot watch the paths of " + nameOf(*job));
        const long long interval = std::min(job->definition->startInterval.value_or(0), kLongestInterval);
        if (interval > 0) job->nextInterval = now + interval * 1000;
        if (job->definition->runAtLoad) startRun(*job);
    }
    // Only now may the bootstrap that made the folder return.
    writeBook(*job, kLoadedMark, 1);
    sup.jobs[key + "/" + label] = std::move(job);
}

// Bootout: timers and watches stop at once, a running instance gets SIGTERM.
void retireJob(Supervisor& sup, std::unique_ptr<SupervisedJob> job, int64_t now) {
    say("unloaded " + nameOf(*job));
    closeJob(*job);
    job->pending = false;
    job->settleAt.reset();
    job->nextInterval.reset();
    if (!job->pid) return;
    (void)kill(job->pid, SIGTERM);
    job->killAt = now + kExitTimeoutMs;
    sup.retired.push_back(std::move(job));
}

void finishRun(SupervisedJob& job, int status) {
    const pid_t pid = job.pid;
    job.pid = 0;
    job.killAt.reset();
    writeBook(job, "last-exit", exitCode(status));
    dropBook(job, "pid");
    // What the job left behind in its process group ends with it.
    (void)kill(-pid, SIGTERM);
    say(nameOf(job) + " exited (" + std::to_string(exitCode(status)) + ")");
    if (job.pending && job.definition) {
        job.pending = false;
        startRun(job);
    }
}

bool keyInDomain(const std::string& jobKey, const std::string& domainKey) {
    return jobKey.size() > domainKey.size() && jobKey.compare(0, domainKey.size(), domainKey) == 0 &&
           jobKey[domainKey.size()] == '/';
}

void earliest(std::optional<int64_t>& best, const std::optional<int64_t>& candidate) {
    if (candidate && (!best || *candidate < *best)) best = candidate;
}

}  // namespace

void rescanDomain(Supervisor& sup, const std::string& key, int64_t now) {
    const std::vector<FoundJob> found = listDomain(key);
    auto present = [&](const SupervisedJob& job) {
        return std::any_of(found.begin(), found.end(), [&](const FoundJob& f) {
            return f.label == job.label && f.dev == job.dev && f.ino == job.ino;
        });
    };
    for (auto it = sup.jobs.begin(); it != sup.jobs.end();) {
        if (keyInDomain(it->first, key) && !present(*it->second)) {
            retireJob(sup, std::move(it->second), now);
            it = sup.jobs.erase(it);
        } else {
            ++it;
        }
    }
    for (const FoundJob& f : found)
        if (!sup.jobs.count(key + "/" + f.label)) loadJob(sup, key, f.label, now);
}

void noteWatchChange(SupervisedJob& job, int64_t now) {
    if (!job.settleAt) job.settleAt = now + kSettleMs;
}

void reapChildren(Supervisor& sup) {
    for (;;) {
        int status = 0;
        const pid_t pid = waitpid(-1, &status, WNOHANG);
        if (pid <= 0) return;
        for (auto& [key, job] : sup.jobs)
            if (job->pid == pid) finishRun(*job, status);
        for (auto it = sup.retired.begin(); it != sup.retired.end(); ++it) {
            if ((*it)->pid != pid) continue;
            say(nameOf(**it) + " ended after its bootout (" + std::to_string(exitCode(status)) + ")");
            (void)kill(-pid, SIGTERM);
            sup.retired.erase(it);
            break;
        }
    }
}

void fireTimers(Supervisor& sup, int64_t now) {
    for (auto& [key, job] : sup.jobs) {
        if (job->settleAt && *job->settleAt <= now) {
            job->settleAt.reset();
            trigger(*job);
        }
        if (job->nextInterval && *job->nextInterval <= now) {
            const int64_t step = std::min(job->definition->startInterval.value_or(1), kLongestInterval) * 1000;
            while (*job->nextInterval <= now) *job->nextInterval += step;
            trigger(*job);
        }
    }
    for (auto& job : sup.retired) {
        if (job->killAt && *job->killAt <= now) {
            (void)kill(job->pid, SIGKILL);
            job->killAt.reset();
        }
    }
}

std::optional<int64_t> nextDeadline(const Supervisor& sup) {
    std::optional<int64_t> best;
    for (const auto& [key, job] : sup.jobs) {
        earliest(best, job->settleAt);
        earliest(best, job->nextInterval);
    }
    for (const auto& job : sup.retired) earliest(best, job->killAt);
    return best;
}

void stopAll(Supervisor& sup) {
    for (auto& [key, job] : sup.jobs)
        if (job->pid) (void)kill(job->pid, SIGTERM);
    for (auto& job : sup.retired) (void)kill(job->pid, SIGTERM);
}

}  // namespace standin
