#include "launchctl_store.h"

#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "standin_io.h"

namespace standin {

namespace {

std::string stateFile(const char* name) {
    return std::string(kLaunchdState) + "/" + name;
}

std::string domainDir(const Domain& domain) {
    return std::string(kLaunchdState) + "/" + domainKey(domain);
}

std::optional<long long> numberFile(const std::string& path) {
    auto text = readSmallFile(path, 64);
    return text ? parseInteger(*text) : std::nullopt;
}

// Empties and removes a job folder that is no longer visible under its label.
void deleteJobDir(const std::string& dir) {
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* entry = readdir(d)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") (void)unlink((dir + "/" + name).c_str());
        }
        closedir(d);
    }
    (void)rmdir(dir.c_str());
}

// Unlinks path only while it is still the file behind fd, so a fresh file a
// test has just put there survives.
void unlinkIfSame(const std::string& path, int fd) {
    struct stat byPath {};
    struct stat byFd {};
    if (stat(path.c_str(), &byPath) == 0 && fstat(fd, &byFd) == 0 && byPath.st_ino == byFd.st_ino &&
        byPath.st_dev == byFd.st_dev)
        (void)unlink(path.c_str());
}

}  // namespace

std::optional<LoadedJob> readLoadedJob(const Service& service) {
    if (!storableLabel(service.label)) return std::nullopt;
    const std::string dir = jobFolder(service.domain, service.label);
    auto plist = readSmallFile(dir + "/plist", kMaxPlistBytes);
    auto path = readSmallFile(dir + "/path", 4096);
    if (!plist || !path) return std::nullopt;
    LoadedJob job{*plist, *path, {}};
    if (auto pid = numberFile(dir + "/pid"); pid && processAlive(*pid)) job.runs.pid = pid;
    job.runs.runs = numberFile(dir + "/runs").value_or(0);
    job.runs.lastExit = numberFile(dir + "/last-exit");
    return job;
}

AddOutcome addJob(const Domain& domain, const std::string& label, std::string_view plist, const std::string& path) {
    const std::string parent = domainDir(domain);
    if (!storableLabel(label) || !ensureSharedDir(parent)) return AddOutcome::Failed;
    const std::string staging = parent + "/.new-" + std::to_string(getpid()) + "-" + label;
    if (!ensureSharedDir(staging)) return AddOutcome::Failed;
    if (!writeFileAtomic(staging + "/plist", plist, 0644) || !writeFileAtomic(staging + "/path", path, 0644)) {
        deleteJobDir(staging);
        return AddOutcome::Failed;
    }
    // rename refuses a non-empty target folder, which makes "already loaded"
    // and "now loaded" one atomic decision.
    if (rename(staging.c_str(), (parent + "/" + label).c_str()) == 0) return AddOutcome::Added;
    const int err = errno;
    deleteJobDir(staging);
    return err == ENOTEMPTY || err == EEXIST ? AddOutcome::AlreadyLoaded : AddOutcome::Failed;
}

RemoveOutcome removeJob(const Service& service) {
    if (!storableLabel(service.label)) return RemoveOutcome::NotLoaded;
    const std::string parent = domainDir(service.domain);
    const std::string dir = parent + "/" + service.label;
    const std::string doomed = parent + "/.gone-" + std::to_string(getpid()) + "-" + service.label;
    if (rename(dir.c_str(), doomed.c_str()) != 0)
        return errno == ENOENT ? RemoveOutcome::NotLoaded : RemoveOutcome::Failed;
    deleteJobDir(doomed);
    return RemoveOutcome::Removed;
}

std::string jobFolder(const Domain& domain, const std::string& label) {
    return domainDir(domain) + "/" + label;
}

std::string supervisorReadyPath() {
    return stateFile("supervisor.ready");
}

bool processAlive(long long pid) {
    if (pid <= 0 || pid > INT32_MAX) return false;
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool faultPresent(const char* name) {
    return pathExists(stateFile(name));
}

bool takeBootstrapFailure() {
    const std::string path = stateFile("fail-bootstrap");
    bool writable = true;
    int fd = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0 && errno == EACCES) {
        writable = false;
        fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    }
    if (fd < 0) return pathExists(path);  // there but unreadable: it still fails
    // Parallel bootstraps must each take one unit of the count.
    (void)flock(fd, LOCK_EX);
    char buf[64];
    const ssize_t n = pread(fd, buf, sizeof buf, 0);
    const auto count = n >= 0 ? parseInteger(std::string_view(buf, static_cast<size_t>(n))) : std::nullopt;
    bool fail = true;
    if (count && *count <= 0) {
        // Used up: the file could not be deleted when it reached zero.
        unlinkIfSame(path, fd);
        fail = false;
    } else if (count && writable) {
        const std::string left = std::to_string(*count - 1) + "\n";
        if (ftruncate(fd, 0) == 0) (void)pwrite(fd, left.data(), left.size(), 0);
        if (*count == 1) unlinkIfSame(path, fd);
    }
    close(fd);
    return fail;
}

}  // namespace standin
