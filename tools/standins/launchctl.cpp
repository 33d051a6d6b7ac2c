// Stand-in for macOS's /bin/launchctl in the test sandbox: the three calls
// the tool makes, with launchd's words and exit codes, and "supervise", the
// sandbox's runner of loaded jobs (scripts/sandbox --supervise).
//
// What of launchd it models:
// - domains "system", "gui/<uid>" and "user/<uid>", and services
//   "<domain>/<label>"; a job of a gui or user domain runs as that user;
// - bootstrap <domain> <plist>: reads an XML job property list once (later
//   edits change nothing), refuses a label that is loaded already, and
//   returns once the supervisor, when one runs, has the job armed;
// - bootout <service>: unloads the job; the supervisor ends its running
//   instance (SIGTERM, SIGKILL after launchd's 20 s ExitTimeOut), and bootout
//   returns once it has sent SIGTERM, so a job that boots itself out ends
//   before its launchctl returns;
// - print <service>: state, runs, pid, last exit code and run interval, in
//   launchd's layout, or launchd's words for a missing service;
// - the keys Label, ProgramArguments, RunAtLoad, WatchPaths (a path's folder
//   is watched for a change of that name), StandardOutPath,
//   StandardErrorPath and EnvironmentVariables (on top of launchd's PATH),
//   and StartInterval as print shows it; one instance at a time, a trigger
//   during a run making one more run.
// What it does not: runs every StartInterval (no test waits one), any other
// key or command, binary property lists, the rule that only root may change
// the system domain or load a daemon file others can write, a watched path
// whose folder is missing at load, the Mac's loading of /Library/LaunchDaemons
// at boot, and print's other lines. Faults a test drops into its state folder make it misbehave as
// launchd can: "fail-bootstrap" (every bootstrap, or as many as the number
// in it), "bootstrap-complains" (loads, but says it failed) and
// "sticky-bootout" (says it unloaded, but keeps the job).
#include <string>
#include <unistd.h>

#include "launchctl_job.h"
#include "launchctl_store.h"
#include "launchctl_target.h"
#include "standin_io.h"
#include "supervisor.h"

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

int cmdBootstrap(const std::string& target, const std::string& path) {
    auto domain = parseDomain(target);
    if (!domain) return unrecognized();
    auto bytes = takeBootstrapFailure() ? std::nullopt : readSmallFile(path, kMaxPlistBytes);
    auto job = bytes ? parseJob(*bytes) : std::nullopt;
    // Also what an already loaded label gets.
    if (!job || !addJob(*domain, job->label, *bytes)) {
        errLine(kBootstrapIOError);
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
    if (!readLoadedJob(*service) || (!faultPresent("sticky-bootout") && !removeJob(*service))) {
        errLine("Boot-out failed: 113: Could not find specified service");
        return kExitNoService;
    }
    return 0;
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
    return writeAll(STDOUT_FILENO, renderJob(*service, *job, loaded->runs)) ? 0 : 1;
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
