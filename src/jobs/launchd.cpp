#include "jobs/launchd.h"

#include "common/atomic_write.h"
#include "common/clock.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/process.h"
#include "common/text.h"
#include "common/utf8.h"
#include "platform/platform.h"

namespace qc {

namespace {
constexpr const char* kLaunchctl = "/bin/launchctl";
constexpr int kUnloadQueries = 50;
constexpr auto kUnloadPause = std::chrono::milliseconds(100);
constexpr int kBootstrapAttempts = 5;
constexpr auto kBootstrapPause = std::chrono::milliseconds(500);

std::string serviceTarget(const std::string& label) {
    return paths().kDomain + "/" + label;
}

// The value after "<name> =" on the first line that begins with it.
std::optional<std::string> launchdValue(const std::vector<std::string>& lines, std::string_view name) {
    for (std::string_view line : lines) {
        if (line.substr(0, name.size()) != name) continue;
        line.remove_prefix(name.size());
        if (line.substr(0, 2) == " =") return std::string(trimBlanks(line.substr(2)));
    }
    return std::nullopt;
}

// launchd words the run interval "<n> seconds".
std::optional<int64_t> runInterval(const std::vector<std::string>& lines) {
    auto text = launchdValue(lines, "run interval");
    std::string_view suffix = " seconds";
    if (!text || text->size() < suffix.size() || text->substr(text->size() - suffix.size()) != suffix)
        return std::nullopt;
    return parseInt64(std::string_view(*text).substr(0, text->size() - suffix.size()));
}

}  // namespace

Plist jobPlist(const JobSpec& job) {
    const Paths& p = paths();
    std::vector<std::string> arguments{p.kInstalledBin};
    arguments.insert(arguments.end(), job.arguments.begin(), job.arguments.end());
    // Keys in sorted order, as the platform's own writer puts them.
    Plist dict = newDict();
    if (auto environment = platform().testEnvironment())
        setStringDict(dict.get(), "EnvironmentVariables", *environment);
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
    if (!written) return Error{"cannot write " + path + ": " + written.error()};
    (void)platform().giveToRootWheel(path, "644");  // launchd itself refuses a file it does not like
    return {};
}

bool jobIsLoaded(const std::string& label) {
    return run(kLaunchctl, {"print", serviceTarget(label)}).code == 0;
}

Status unloadJob(const std::string& label) {
    RunResult bootout = run(kLaunchctl, {"bootout", serviceTarget(label)});
    if (bootout.code != 0) return Error{escapeControls(trimBlanksAndNewlines(bootout.out))};
    return {};
}

Status loadJob(const std::string& label, const std::string& plist) {
    (void)unloadJob(label);  // there may be nothing to unload
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
    return Error{"did not load" + (detail.empty() ? "." : " (" + detail + ").")};
}

JobState jobState(const std::string& label) {
    JobState job;
    RunResult print = run(kLaunchctl, {"print", serviceTarget(label)});
    job.loaded = print.code == 0;
    if (!job.loaded) return job;
    for (auto line : nonEmptyLines(print.out)) {
        if (line.find("state =") != std::string_view::npos || line.find("run interval") != std::string_view::npos)
            job.lines.push_back(escapeControls(trimBlanks(line)));
    }
    job.state = launchdValue(job.lines, "state");
    job.runIntervalSeconds = runInterval(job.lines);
    return job;
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
