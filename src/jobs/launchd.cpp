#include "jobs/launchd.h"

#include "common/atomic_write.h"
#include "common/clock.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/platform.h"
#include "common/process.h"
#include "common/text.h"
#include "common/utf8.h"

namespace qc {

namespace {
constexpr int kUnloadQueries = 50;
constexpr auto kUnloadPause = std::chrono::milliseconds(100);
constexpr int kBootstrapAttempts = 5;
constexpr auto kBootstrapPause = std::chrono::milliseconds(500);
}  // namespace

std::string serviceTarget(const std::string& label) {
    return paths().kDomain + "/" + label;
}

Plist jobPlist(const JobSpec& job) {
    const Paths& p = paths();
    std::vector<std::string> arguments{p.kInstalledBin};
    arguments.insert(arguments.end(), job.arguments.begin(), job.arguments.end());
    // Keys in sorted order, as the platform's own writer puts them.
    Plist dict = newDict();
    if (auto environment = testEnvironment()) setStringDict(dict.get(), "EnvironmentVariables", *environment);
    setString(dict.get(), "Label", job.label);
    setStringArray(dict.get(), "ProgramArguments", arguments);
    if (job.startInterval) setBool(dict.get(), "RunAtLoad", true);
    setString(dict.get(), "StandardErrorPath", p.kLogPath);
    setString(dict.get(), "StandardOutPath", p.kLogPath);
    if (job.startInterval) setInteger(dict.get(), "StartInterval", *job.startInterval);
    setStringArray(dict.get(), "WatchPaths", {job.watchPath});
    return dict;
}

Status writeJobPlist(plist_t dict, const std::string& path) {
    Status written = makeDirectories(parentDirectory(path));
    if (written) written = makeDirectories(parentDirectory(paths().kLogPath));
    if (written) written = atomicWrite(path, toXml(dict));
    // The message names the job's file even when the log's folder failed.
    if (!written) return Error{"error: cannot write " + path + ": " + written.error()};
    (void)platform().giveToRootWheel(path, "644");  // launchd itself refuses a file it does not like
    return {};
}

bool jobIsLoaded(const std::string& label) {
    return run(kLaunchctl, {"print", serviceTarget(label)}).code == 0;
}

Status loadJob(const std::string& label, const std::string& plist) {
    const std::string target = serviceTarget(label);
    (void)run(kLaunchctl, {"bootout", target});
    // launchd takes a moment to let go of the old instance.
    for (int query = 0; query < kUnloadQueries; ++query) {
        if (!jobIsLoaded(label)) break;
        sleepFor(kUnloadPause);
    }
    // bootstrap may complain and still load the job; only print tells.
    std::string detail;
    for (int attempt = 0; attempt < kBootstrapAttempts; ++attempt) {
        RunResult bootstrap = run(kLaunchctl, {"bootstrap", paths().kDomain, plist});
        if (jobIsLoaded(label)) return {};
        detail = escapeControls(trimBlanksAndNewlines(bootstrap.out), true);
        sleepFor(kBootstrapPause);
    }
    return Error{detail};
}

std::optional<ConfiguredJob> configuredJob() {
    Plist job = readPlistDict(paths().kPlistPath);
    if (!job) return std::nullopt;
    auto arguments = dictStringArray(job.get(), "ProgramArguments");
    if (!arguments) return std::nullopt;
    for (size_t i = 0; i < arguments->size(); ++i) {
        if ((*arguments)[i] != "--server") continue;
        if (i + 1 == arguments->size()) return std::nullopt;
        return ConfiguredJob{(*arguments)[i + 1], dictInteger(job.get(), "StartInterval").value_or(kDefaultInterval)};
    }
    return std::nullopt;
}

}  // namespace qc
