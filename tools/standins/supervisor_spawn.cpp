#include "supervisor_spawn.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace standin {

namespace {

constexpr const char* kDefaultPath = "/usr/bin:/bin:/usr/sbin:/sbin";

std::vector<std::string> jobEnvironment(const Job& job) {
    std::vector<std::pair<std::string, std::string>> vars{{"PATH", kDefaultPath}};
    for (const auto& [key, value] : job.environment) {
        if (key.empty() || key.find('=') != std::string::npos) continue;
        bool replaced = false;
        for (auto& var : vars)
            if (var.first == key) var.second = value, replaced = true;
        if (!replaced) vars.emplace_back(key, value);
    }
    std::vector<std::string> env;
    for (const auto& [key, value] : vars) env.push_back(key + "=" + value);
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (auto& text : texts) out.push_back(text.data());
    out.push_back(nullptr);
    return out;
}

// Opens path above the standard descriptors, so that placing one never
// closes another that is still to be placed.
int openHigh(const char* path, int flags) {
    const int fd = open(path, flags | O_CLOEXEC, 0644);
    if (fd < 0 || fd > 2) return fd;
    const int high = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return high;
}

int openOutput(const std::optional<std::string>& path) {
    const int fd = path ? openHigh(path->c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOCTTY) : -1;
    return fd >= 0 ? fd : openHigh("/dev/null", O_WRONLY);
}

// Runs in the child, between fork and exec.
[[noreturn]] void becomeJob(const LaunchPlan& plan, char** argv, char** envp) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    // A shell that started the supervisor in the background ignored SIGINT and
    // SIGQUIT; jobs must not inherit that.
    for (int sig = 1; sig < NSIG; ++sig) (void)signal(sig, SIG_DFL);
    (void)setsid();
    if (plan.dropToUser) {
        if (setgroups(0, nullptr) != 0 || setgid(plan.gid) != 0 || setuid(plan.uid) != 0 || geteuid() != plan.uid ||
            getuid() != plan.uid)
            _exit(kCannotStart);
    }
    umask(022);
    if (chdir("/") != 0) _exit(kCannotStart);
    // Opened as the job's user: it cannot make us append to a file it could
    // not write itself.
    const int in = openHigh("/dev/null", O_RDONLY);
    const int out = openOutput(plan.stdoutPath);
    const bool shared = plan.stdoutPath && plan.stderrPath && *plan.stdoutPath == *plan.stderrPath;
    const int err = shared ? out : openOutput(plan.stderrPath);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(kCannotStart);
    (void)close_range(3, ~0U, 0);
    environ = envp;
    execvp(argv[0], argv);
    _exit(kCannotStart);
}

}  // namespace

LaunchPlan planLaunch(const Domain& domain, const Job& job) {
    LaunchPlan plan;
    plan.argv = job.arguments;
    plan.env = jobEnvironment(job);
    plan.stdoutPath = job.stdoutPath;
    plan.stderrPath = job.stderrPath;
    if (domain.kind != DomainKind::System) {
        plan.dropToUser = true;
        plan.uid = domain.uid;
        const passwd* entry = getpwuid(domain.uid);
        plan.gid = entry ? entry->pw_gid : static_cast<gid_t>(domain.uid);
    }
    return plan;
}

pid_t spawnJob(const LaunchPlan& plan) {
    // Copies: the child may only touch memory the parent prepared.
    std::vector<std::string> argvTexts = plan.argv;
    std::vector<std::string> envTexts = plan.env;
    std::vector<char*> argv = pointers(argvTexts);
    std::vector<char*> envp = pointers(envTexts);
    const pid_t pid = fork();
    if (pid == 0) becomeJob(plan, argv.data(), envp.data());
    return pid;
}

}  // namespace standin
