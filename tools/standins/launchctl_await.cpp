#include "launchctl_await.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include "inotify_events.h"
#include "launchctl_store.h"
#include "standin_io.h"
#include "supervisor_job.h"

namespace standin {

namespace {

// Far beyond any load a test machine sees; only a stuck supervisor reaches it.
constexpr int64_t kPatienceMs = 60000;
// How often a supervisor that died in the meantime is noticed.
constexpr int kRecheckMs = 100;

constexpr uint32_t kFolderMask = IN_CREATE | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

bool supervisorAlive() {
    auto text = readSmallFile(supervisorReadyPath(), 64);
    auto pid = text ? parseInteger(*text) : std::nullopt;
    return pid && processAlive(*pid);
}

// The mark is written by rename into the folder; the folder itself leaves by
// rename at bootout.
struct Watch {
    int fd = -1;
    int dirFd = -1;
    ~Watch() {
        if (fd >= 0) close(fd);
        if (dirFd >= 0) close(dirFd);
    }
};

}  // namespace

bool awaitLoaded(const Domain& domain, const std::string& label) {
    if (!supervisorAlive()) return true;
    const std::string folder = jobFolder(domain, label);
    Watch watch;
    watch.fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // The watch before the first look, so a mark written in between is seen.
    if (watch.fd < 0 || inotify_add_watch(watch.fd, folder.c_str(), kFolderMask) < 0) return true;
    watch.dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (watch.dirFd < 0) return true;
    const int64_t deadline = monotonicMs() + kPatienceMs;
    bool gone = false;
    while (!gone && faccessat(watch.dirFd, kLoadedMark, F_OK, AT_SYMLINK_NOFOLLOW) != 0) {
        if (!supervisorAlive()) return true;
        if (monotonicMs() >= deadline) return false;
        pollfd fd{watch.fd, POLLIN, 0};
        (void)poll(&fd, 1, kRecheckMs);
        drainInotify(watch.fd, [&](const inotify_event& event) {
            if (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) gone = true;
        });
    }
    return true;
}

}  // namespace standin
