#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "inotify_events.h"
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
// Folders appear and vanish by rename.
constexpr uint32_t kTreeMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

// A job folder of the state tree.
struct FoundJob {
    Domain domain;
    std::string label;
    dev_t dev = 0;
    ino_t ino = 0;
};

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

void loadJob(Supervisor& sup, const std::string& key, const FoundJob& found) {
    auto opened = openJob(found.domain, domainFolder(domainKey(found.domain)) + "/" + found.label, found.label);
    if (!opened) return;
    auto job = std::make_unique<SupervisedJob>(std::move(*opened));
    if (!job->definition) {
        say("ignoring " + nameOf(*job) + ": unusable property list");
    } else {
        say("loaded " + nameOf(*job));
        if (job->definition->runAtLoad) startRun(*job);
    }
    // Only now may the bootstrap that made the folder return.
    writeBook(*job, kLoadedMark, 1);
    sup.jobs[key] = std::move(job);
}

// Bootout: timers and watches stop at once, a running instance gets SIGTERM,
// and only then may the bootout return.
void retireJob(Supervisor& sup, std::unique_ptr<SupervisedJob> job, int64_t now) {
    say("unloaded " + nameOf(*job));
    job->pending = false;
    job->settleAt.reset();
    if (job->pid) (void)kill(job->pid, SIGTERM);
    markUnloaded(*job);
    closeJob(*job);
    if (!job->pid) return;
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

// Every job folder of every domain by "<domain key>/<label>", each domain
// folder watched on the way so that the next change in it is seen.
std::map<std::string, FoundJob> scanTree(int treeFd) {
    std::map<std::string, FoundJob> found;
    DIR* state = opendir(kLaunchdState);
    while (const dirent* entry = state ? readdir(state) : nullptr) {
        const std::string key = entry->d_name;
        auto domain = domainFromKey(key);
        // Watched before it is read, so that no job slips between the two.
        DIR* d = domain && inotify_add_watch(treeFd, domainFolder(key).c_str(), kTreeMask) >= 0
                     ? opendir(domainFolder(key).c_str())
                     : nullptr;
        while (const dirent* job = d ? readdir(d) : nullptr) {
            struct stat st {};
            // "." names are half-made or dying jobs.
            if (storableLabel(job->d_name) && fstatat(dirfd(d), job->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISDIR(st.st_mode))
                found[key + "/" + job->d_name] = {*domain, job->d_name, st.st_dev, st.st_ino};
        }
        if (d) closedir(d);
    }
    if (state) closedir(state);
    return found;
}

void earliest(std::optional<int64_t>& best, const std::optional<int64_t>& candidate) {
    if (candidate && (!best || *candidate < *best)) best = candidate;
}

}  // namespace

bool watchTree(Supervisor& sup) {
    sup.treeFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    return sup.treeFd >= 0 && inotify_add_watch(sup.treeFd, kLaunchdState, kTreeMask) >= 0;
}

void rescan(Supervisor& sup, int64_t now) {
    drainInotify(sup.treeFd, [](const inotify_event&) {});
    const std::map<std::string, FoundJob> found = scanTree(sup.treeFd);
    for (auto it = sup.jobs.begin(); it != sup.jobs.end();) {
        auto seen = found.find(it->first);
        if (seen == found.end() || seen->second.dev != it->second->dev || seen->second.ino != it->second->ino) {
            retireJob(sup, std::move(it->second), now);
            it = sup.jobs.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& [key, job] : found)
        if (!sup.jobs.count(key)) loadJob(sup, key, job);
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
