#include "launchctl_store.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include "standin_io.h"

namespace standin {

namespace {

// Far beyond any load a test machine sees; only a stuck supervisor reaches it.
constexpr int64_t kPatienceMs = 60000;

std::string stateFile(const char* name) {
    return std::string(kLaunchdState) + "/" + name;
}

std::string jobFolder(const Domain& domain, const std::string& label) {
    return domainFolder(domainKey(domain)) + "/" + label;
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

bool supervisorAlive() {
    auto pid = numberFile(supervisorReadyPath());
    return pid && processAlive(*pid);
}

}  // namespace

std::optional<LoadedJob> readLoadedJob(const Service& service) {
    if (!storableLabel(service.label)) return std::nullopt;
    const std::string dir = jobFolder(service.domain, service.label);
    auto plist = readSmallFile(dir + "/plist", kMaxPlistBytes);
    if (!plist) return std::nullopt;
    LoadedJob job{*plist, {}};
    if (auto pid = numberFile(dir + "/pid"); pid && processAlive(*pid)) job.runs.pid = pid;
    job.runs.runs = numberFile(dir + "/runs").value_or(0);
    job.runs.lastExit = numberFile(dir + "/last-exit");
    return job;
}

bool addJob(const Domain& domain, const std::string& label, std::string_view plist) {
    const std::string parent = domainFolder(domainKey(domain));
    if (!storableLabel(label) || !ensureSharedDir(parent)) return false;
    const std::string staging = parent + "/.new-" + std::to_string(getpid()) + "-" + label;
    // rename refuses a non-empty target folder, which makes "already loaded"
    // and "now loaded" one atomic decision.
    if (ensureSharedDir(staging) && writeFileAtomic(staging + "/plist", plist, 0644) &&
        rename(staging.c_str(), (parent + "/" + label).c_str()) == 0)
        return true;
    deleteJobDir(staging);
    return false;
}

bool removeJob(const Service& service) {
    if (!storableLabel(service.label)) return false;
    const std::string doomed =
        domainFolder(domainKey(service.domain)) + "/.gone-" + std::to_string(getpid()) + "-" + service.label;
    if (rename(jobFolder(service.domain, service.label).c_str(), doomed.c_str()) != 0) return false;
    const int64_t deadline = monotonicMs() + kPatienceMs;
    while (supervisorAlive() && !pathExists(doomed + "/" + kUnloadedMark) && monotonicMs() < deadline) usleep(5000);
    deleteJobDir(doomed);
    return true;
}

std::string domainFolder(const std::string& key) {
    return std::string(kLaunchdState) + "/" + key;
}

std::string supervisorReadyPath() {
    return stateFile("supervisor.ready");
}

bool processAlive(long long pid) {
    if (pid <= 0 || pid > INT32_MAX) return false;
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int64_t monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

bool awaitLoaded(const Domain& domain, const std::string& label) {
    const std::string folder = jobFolder(domain, label);
    const int64_t deadline = monotonicMs() + kPatienceMs;
    while (supervisorAlive() && pathExists(folder) && !pathExists(folder + "/" + kLoadedMark)) {
        if (monotonicMs() >= deadline) return false;
        usleep(5000);
    }
    return true;
}

bool faultPresent(const char* name) {
    return pathExists(stateFile(name));
}

bool takeBootstrapFailure() {
    // Rewritten in place: the test made the file, and the sticky state folder
    // lets no one else replace it.
    const int fd = open(stateFile("fail-bootstrap").c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    char buf[64];
    const ssize_t n = pread(fd, buf, sizeof buf, 0);
    const auto count = n >= 0 ? parseInteger(std::string_view(buf, static_cast<size_t>(n))) : std::nullopt;
    if (count && *count > 0) {
        const std::string left = std::to_string(*count - 1) + "\n";
        if (ftruncate(fd, 0) == 0) (void)pwrite(fd, left.data(), left.size(), 0);
    }
    close(fd);
    return !count || *count > 0;
}

}  // namespace standin
