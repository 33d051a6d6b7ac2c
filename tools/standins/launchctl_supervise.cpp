#include <algorithm>
#include <cerrno>
#include <climits>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>
#include <vector>

#include "launchctl_store.h"
#include "standin_io.h"
#include "supervisor.h"

namespace standin {

namespace {

// SIGCHLD and the stop signals arrive as reads, never as handlers.
int openSignals() {
    sigset_t mask;
    sigemptyset(&mask);
    for (int sig : {SIGCHLD, SIGTERM, SIGINT, SIGHUP}) sigaddset(&mask, sig);
    if (sigprocmask(SIG_BLOCK, &mask, nullptr) != 0) return -1;
    return signalfd(-1, &mask, SFD_NONBLOCK | SFD_CLOEXEC);
}

struct SignalNews {
    bool child = false;
    bool stop = false;
};

SignalNews readSignals(int fd) {
    SignalNews news;
    signalfd_siginfo info{};
    while (read(fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        if (info.ssi_signo == SIGCHLD)
            news.child = true;
        else
            news.stop = true;
    }
    return news;
}

int pollTimeout(const Supervisor& sup) {
    const auto deadline = nextDeadline(sup);
    if (!deadline) return -1;
    const int64_t wait = *deadline - monotonicMs();
    return wait <= 0 ? 0 : static_cast<int>(std::min<int64_t>(wait, INT_MAX));
}

// One wait for whatever comes first; false when it is time to stop.
bool serveOnce(Supervisor& sup, int signals) {
    std::vector<pollfd> fds{{signals, POLLIN, 0}, {sup.treeFd, POLLIN, 0}};
    std::vector<SupervisedJob*> watchers;
    for (auto& [key, job] : sup.jobs) {
        if (job->watchFd < 0) continue;
        fds.push_back({job->watchFd, POLLIN, 0});
        watchers.push_back(job.get());
    }
    if (poll(fds.data(), fds.size(), pollTimeout(sup)) < 0 && errno != EINTR) return false;

    const SignalNews news = readSignals(signals);
    if (news.child) reapChildren(sup);
    // Watches before the tree: a bootout below may free these jobs.
    for (size_t i = 0; i < watchers.size(); ++i)
        if ((fds[i + 2].revents & POLLIN) && readWatches(*watchers[i])) noteWatchChange(*watchers[i], monotonicMs());
    if (fds[1].revents & POLLIN) rescan(sup, monotonicMs());
    fireTimers(sup, monotonicMs());
    return !news.stop;
}

}  // namespace

int cmdSupervise() {
    if (geteuid() != 0) {
        errLine("launchctl supervise: only root may run jobs");
        return 1;
    }
    (void)ensureSharedDir(kLaunchdState);
    const int signals = openSignals();
    Supervisor sup;
    if (signals < 0 || !watchTree(sup)) {
        errLine("launchctl supervise: cannot watch " + std::string(kLaunchdState));
        return 1;
    }
    // Jobs loaded before we started count too.
    rescan(sup, monotonicMs());
    if (!writeFileAtomic(supervisorReadyPath(), std::to_string(getpid()) + "\n", 0644)) {
        errLine("launchctl supervise: cannot write " + supervisorReadyPath());
        return 1;
    }
    while (serveOnce(sup, signals)) {
    }
    stopAll(sup);
    (void)unlink(supervisorReadyPath().c_str());
    return 0;
}

}  // namespace standin
