#include "supervisor_job.h"

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "launchctl_store.h"
#include "standin_io.h"

namespace standin {

namespace {

std::optional<std::string> readAt(int dirFd, const char* name, size_t maxBytes) {
    const int fd = openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> data;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) <= maxBytes) {
        std::string bytes(static_cast<size_t>(st.st_size), '\0');
        const ssize_t n = pread(fd, bytes.data(), bytes.size(), 0);
        if (n == st.st_size) data = std::move(bytes);
    }
    close(fd);
    return data;
}

bool writeAtAtomic(int dirFd, const std::string& name, const std::string& bytes) {
    const std::string tmp = name + ".tmp." + std::to_string(getpid());
    const int fd = openat(dirFd, tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && fsync(fd) == 0 && fchmod(fd, 0644) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && renameat(dirFd, tmp.c_str(), dirFd, name.c_str()) == 0) return true;
    (void)unlinkat(dirFd, tmp.c_str(), 0);
    return false;
}

// A bootout renamed the folder away and emptied it while we wrote into it:
// empty it again and remove it, so no ".gone-" folder is left behind.
void tidyDetached(int dirFd) {
    char link[PATH_MAX];
    const std::string self = "/proc/self/fd/" + std::to_string(dirFd);
    const ssize_t n = readlink(self.c_str(), link, sizeof link - 1);
    if (n <= 0) return;
    const std::string path(link, static_cast<size_t>(n));
    if (path.find("/.gone-") == std::string::npos || path.find(" (deleted)") != std::string::npos) return;
    const int copy = dup(dirFd);
    if (copy < 0) return;
    if (DIR* d = fdopendir(copy)) {
        rewinddir(d);
        while (const dirent* entry = readdir(d)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") (void)unlinkat(dirFd, name.c_str(), 0);
        }
        closedir(d);
    } else {
        close(copy);
    }
    (void)rmdir(path.c_str());
}

void afterWrite(const SupervisedJob& job) {
    if (!stillLoaded(job)) tidyDetached(job.dirFd);
}

}  // namespace

int64_t monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::optional<SupervisedJob> openJob(const Domain& domain, const std::string& domainDir, const std::string& label) {
    SupervisedJob job;
    job.domain = domain;
    job.label = label;
    job.dir = domainDir + "/" + label;
    job.dirFd = open(job.dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (job.dirFd < 0) return std::nullopt;
    struct stat st {};
    if (fstat(job.dirFd, &st) != 0) {
        closeJob(job);
        return std::nullopt;
    }
    job.dev = st.st_dev;
    job.ino = st.st_ino;
    if (auto bytes = readAt(job.dirFd, "plist", kMaxPlistBytes)) job.definition = parseJob(*bytes);
    if (job.definition && job.definition->label != label) job.definition.reset();
    // A supervisor that starts again goes on counting.
    if (auto runs = readAt(job.dirFd, "runs", 64)) job.runs = parseInteger(*runs).value_or(0);
    return job;
}

void closeJob(SupervisedJob& job) {
    closeWatches(job.watch);
    if (job.dirFd >= 0) close(job.dirFd);
    job.dirFd = -1;
}

bool stillLoaded(const SupervisedJob& job) {
    struct stat st {};
    return lstat(job.dir.c_str(), &st) == 0 && st.st_dev == job.dev && st.st_ino == job.ino;
}

void writeBook(const SupervisedJob& job, const char* name, long long value) {
    if (job.dirFd < 0 || !stillLoaded(job)) return;
    (void)writeAtAtomic(job.dirFd, name, std::to_string(value) + "\n");
    afterWrite(job);
}

void dropBook(const SupervisedJob& job, const char* name) {
    if (job.dirFd < 0 || !stillLoaded(job)) return;
    (void)unlinkat(job.dirFd, name, 0);
    afterWrite(job);
}

}  // namespace standin
