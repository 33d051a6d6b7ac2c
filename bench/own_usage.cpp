// Runs one command and reports what that process alone used, not the
// programs it starts: its peak resident memory and its CPU time.
//
//   own_usage REPORT COMMAND [ARG...]
//
// The command runs under ptrace with PTRACE_O_TRACEEXIT only (no fork, vfork
// or clone tracing), so its children run untraced. At the exit stop the
// process still has its memory map: VmHWM in /proc/<pid>/status is its own
// high-water mark, and /proc/<pid>/schedstat holds the nanoseconds it ran on a
// CPU and the nanoseconds it waited in a run queue for one (the cost of a busy
// machine); both are counted from the stop right after execve, so the fork
// and the exec themselves are left out. wait4's ru_maxrss, which /usr/bin/time
// reports, folds in every child the command waited for; it is written beside
// them for comparison.
//
// REPORT receives one line:
//   vmhwm_kib rusage_maxrss_kib wall_ns cpu_ns run_queue_ns exit_code
// The command's standard streams are inherited. Exit code: 0 when the command
// ran (whatever its own code), 1 when it could not be measured, 2 on misuse.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Usage {
    long hwmKib = 0;
    long long cpuNs = 0;
    long long runQueueNs = 0;
};

std::optional<long> vmHwmKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return std::nullopt;
}

// Peak memory so far, and CPU and run-queue time since the process began.
std::optional<Usage> ownUsage(pid_t pid) {
    auto hwm = vmHwmKib(pid);
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    Usage usage;
    if (!hwm || !(schedstat >> usage.cpuNs >> usage.runQueueNs)) return std::nullopt;
    usage.hwmKib = *hwm;
    return usage;
}

long long nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: own_usage REPORT COMMAND [ARG...]\n");
        return 2;
    }
    const char* report = argv[1];

    long long start = nowNs();
    pid_t pid = fork();
    if (pid < 0) {
        std::perror("own_usage: fork");
        return 1;
    }
    if (pid == 0) {
        // The child stops with SIGTRAP once execvp has replaced it.
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(126);
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "own_usage: cannot run %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }

    std::optional<Usage> atExec, atExit;
    int status = 0;
    rusage usage{};
    for (;;) {
        if (wait4(pid, &status, 0, &usage) < 0) {
            if (errno == EINTR) continue;
            std::perror("own_usage: wait4");
            return 1;
        }
        if (WIFEXITED(status) || WIFSIGNALED(status)) break;
        if (!WIFSTOPPED(status)) continue;

        int signal = WSTOPSIG(status);
        int event = status >> 16;
        int deliver = 0;
        if (signal == SIGTRAP && event == PTRACE_EVENT_EXIT) {
            atExit = ownUsage(pid);
        } else if (signal == SIGTRAP && !atExec) {
            atExec = ownUsage(pid);
            (void)ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL);
        } else {
            deliver = signal;  // the command's own signals (SIGCHLD, say) pass through
        }
        (void)ptrace(PTRACE_CONT, pid, nullptr, deliver);
    }
    long long wall = nowNs() - start;

    if (!atExec || !atExit) {
        std::fprintf(stderr, "own_usage: %s ended before its exec and exit stops were read\n", argv[2]);
        return 1;
    }
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    FILE* out = std::fopen(report, "w");
    if (!out) {
        std::perror("own_usage: report");
        return 1;
    }
    std::fprintf(out, "%ld %ld %lld %lld %lld %d\n", atExit->hwmKib, usage.ru_maxrss, wall,
                 atExit->cpuNs - atExec->cpuNs, atExit->runQueueNs - atExec->runQueueNs, code);
    return std::fclose(out) == 0 ? 0 : 1;
}
