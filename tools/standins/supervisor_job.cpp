#include "supervisor_job.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "inotify_events.h"
#include "launchctl_store.h"
#include "standin_io.h"

namespace standin {

namespace {

constexpr uint32_t kChangeMask =
    IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

bool writeAtAtomic(int dirFd, const std::string& name, const std::string& bytes) {
    const std::string tmp = name + ".tmp." + std::to_string(getpid());
    const int fd = openat(dirFd, tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && fchmod(fd, 0644) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && renameat(dirFd, tmp.c_str(), dirFd, name.c_str()) == 0) return true;
    (void)unlinkat(dirFd, tmp.c_str(), 0);
    return false;
}

// True while the label's folder is still the one this job was loaded from.
bool stillLoaded(const SupervisedJob& job) {
    struct stat st {};
    return job.dirFd >= 0 && lstat(job.dir.c_str(), &st) == 0 && st.st_dev == job.dev && st.st_ino == job.ino;
}

// Each path by its folder and name; relative paths count from "/".
void armWatches(SupervisedJob& job) {
    job.watchFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    for (std::string path : job.definition->watchPaths) {
        if (path.empty() || path.front() != '/') path = "/" + path;
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        const size_t slash = path.rfind('/');
        const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
        const int wd = job.watchFd < 0 ? -1 : inotify_add_watch(job.watchFd, folder.c_str(), kChangeMask);
        if (wd >= 0) job.watches.emplace_back(wd, path.substr(slash + 1));
    }
}

}  // namespace

std::optional<SupervisedJob> openJob(const Domain& domain, const std::string& dir, const std::string& label) {
    SupervisedJob job;
    job.domain = domain;
    job.label = label;
    job.dir = dir;
    job.dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    struct stat st {};
    if (job.dirFd < 0 || fstat(job.dirFd, &st) != 0) {
        closeJob(job);
        return std::nullopt;
    }
    job.dev = st.st_dev;
    job.ino = st.st_ino;
    if (auto bytes = readSmallFile(dir + "/plist", kMaxPlistBytes)) job.definition = parseJob(*bytes);
    if (job.definition && job.definition->label != label) job.definition.reset();
    if (job.definition) armWatches(job);
    return job;
}

void closeJob(SupervisedJob& job) {
    if (job.watchFd >= 0) close(job.watchFd);
    if (job.dirFd >= 0) close(job.dirFd);
    job.watchFd = job.dirFd = -1;
    job.watches.clear();
}

bool readWatches(SupervisedJob& job) {
    bool changed = false;
    drainInotify(job.watchFd, [&](const inotify_event& event) {
        for (const auto& [wd, name] : job.watches)
            if ((event.mask & IN_Q_OVERFLOW) || (wd == event.wd && event.len && name == event.name)) changed = true;
    });
    return changed;
}

void writeBook(const SupervisedJob& job, const char* name, long long value) {
    if (stillLoaded(job)) (void)writeAtAtomic(job.dirFd, name, std::to_string(value) + "\n");
}

void dropBook(const SupervisedJob& job, const char* name) {
    if (stillLoaded(job)) (void)unlinkat(job.dirFd, name, 0);
}

void markUnloaded(const SupervisedJob& job) {
    if (job.dirFd >= 0) (void)writeAtAtomic(job.dirFd, kUnloadedMark, "1\n");
}

}  // namespace standin
