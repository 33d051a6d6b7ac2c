// Stand-in for macOS's /bin/launchctl: bootstrap, bootout and print, with
// launchd's words and exit codes, over the state tree of launchctl_store;
// and supervise, which runs the loaded jobs.
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "launchctl_await.h"
#include "launchctl_job.h"
#include "launchctl_store.h"
#include "launchctl_supervise.h"
#include "launchctl_target.h"
#include "standin_io.h"

namespace standin {

namespace {

constexpr int kExitUsage = 64;
constexpr int kExitIO = 5;
constexpr int kExitNoService = 113;

constexpr const char* kBootstrapIOError = "Bootstrap failed: 5: Input/output error";

int unrecognized() {
    errLine("Unrecognized target specifier.");
    return 1;
}

int usage() {
    errLine("Usage: launchctl bootstrap <domain-target> <plist> | bootout <service-target> | "
            "print <service-target>");
    return kExitUsage;
}

// launchd refuses a daemon file that someone other than root could change.
bool acceptableOwner(const Domain& domain, const struct stat& st) {
    return domain.kind != DomainKind::System || (st.st_uid == 0 && (st.st_mode & 022) == 0);
}

int cmdBootstrap(const std::string& target, const std::string& path) {
    auto domain = parseDomain(target);
    if (!domain) return unrecognized();
    if (!mayModify(*domain, geteuid())) {
        errLine("Bootstrap failed: 1: Operation not permitted");
        return 1;
    }
    if (takeBootstrapFailure()) {
        errLine(kBootstrapIOError);
        return kExitIO;
    }
    // Read once, as launchd does: later edits of the file change nothing.
    struct stat st {};
    auto bytes = readSmallFile(path, kMaxPlistBytes, &st);
    auto job = bytes ? parseJob(*bytes) : std::nullopt;
    if (!job || !acceptableOwner(*domain, st) || addJob(*domain, job->label, *bytes, path) != AddOutcome::Added) {
        errLine(kBootstrapIOError);  // also what an already loaded label gets
        return kExitIO;
    }
    if (!awaitLoaded(*domain, job->label)) {
        errLine("launchctl stand-in: the supervisor has not loaded " + job->label + " after a minute");
        return kExitIO;
    }
    if (faultPresent("bootstrap-complains")) {
        errLine(kBootstrapIOError);
        return kExitIO;
    }
    return 0;
}

int cmdBootout(const std::string& target) {
    auto service = parseService(target);
    if (!service) return unrecognized();
    if (!mayModify(service->domain, geteuid())) {
        errLine("Boot-out failed: 1: Operation not permitted");
        return 1;
    }
    if (!readLoadedJob(*service)) {
        errLine("Boot-out failed: 113: Could not find specified service");
        return kExitNoService;
    }
    if (faultPresent("sticky-bootout")) return 0;
    switch (removeJob(*service)) {
    case RemoveOutcome::Removed:
        return 0;
    case RemoveOutcome::NotLoaded:
        errLine("Boot-out failed: 113: Could not find specified service");
        return kExitNoService;
    case RemoveOutcome::Failed:
        break;
    }
    errLine("Boot-out failed: 5: Input/output error");
    return kExitIO;
}

int cmdPrint(const std::string& target) {
    auto service = parseService(target);
    if (!service) return unrecognized();
    auto loaded = readLoadedJob(*service);
    auto job = loaded ? parseJob(loaded->plist) : std::nullopt;
    if (!job) {
        errLine(notFoundText(*service));
        return kExitNoService;
    }
    const std::string text = renderJob(*service, *job, loaded->path, loaded->runs);
    return writeAll(STDOUT_FILENO, text) ? 0 : 1;
}

}  // namespace

int programMain(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    // The sandbox's own runner of jobs; not a call the tool makes.
    if (command == "supervise" && argc == 2) return cmdSupervise();
    (void)ensureSharedDir(kLaunchdState);
    logCall(kLaunchdState, argc, argv);
    if (command == "bootstrap" && argc == 4) return cmdBootstrap(argv[2], argv[3]);
    if (command == "bootout" && argc == 3) return cmdBootout(argv[2]);
    if (command == "print" && argc == 3) return cmdPrint(argv[2]);
    return usage();
}

}  // namespace standin

int main(int argc, char** argv) {
    return standin::programMain(argc, argv);
}
