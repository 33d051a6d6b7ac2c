#include "jobs/launchd.h"

#include "cli/console.h"
#include "cli/process.h"
#include "cli/table.h"
#include "common/atomic_write.h"
#include "common/clock.h"
#include "common/files.h"
#include "common/text.h"
#include "jobs/installed.h"

namespace qc {

namespace {
constexpr int kUnloadQueries = 50;
constexpr auto kUnloadPause = std::chrono::milliseconds(100);
constexpr int kBootstrapAttempts = 5;
constexpr auto kBootstrapPause = std::chrono::milliseconds(500);
}  // namespace

std::string serviceTarget(const std::string& label) {
    return table().kDomain + "/" + label;
}

void writeJobPlist(plist_t dict, const std::string& path) {
    auto fail = [&](const std::string& reason) {
        errln("error: cannot write " + path + ": " + reason);
        finish(1);
    };
    if (auto error = makeDirectories(parentDirectory(path))) fail(*error);
    if (auto error = makeDirectories(parentDirectory(table().kLogPath))) fail(*error);
    if (WriteResult written = atomicWrite(path, toXml(dict)); !written.ok) fail(written.error);
    giveToRootWheel(path, "644");
}

bool jobIsLoaded(const std::string& label) {
    return run(kLaunchctl, {"print", serviceTarget(label)}).code == 0;
}

LoadResult loadJob(const std::string& label, const std::string& plist) {
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
        RunResult bootstrap = run(kLaunchctl, {"bootstrap", table().kDomain, plist});
        if (jobIsLoaded(label)) return {true, ""};
        detail = std::string(trimBlanksAndNewlines(bootstrap.out));
        sleepFor(kBootstrapPause);
    }
    return {false, detail};
}

std::optional<ConfiguredJob> configuredJob() {
    Plist job = readPlistDict(table().kPlistPath);
    if (!job) return std::nullopt;
    auto arguments = dictStringArray(job.get(), "ProgramArguments");
    if (!arguments) return std::nullopt;
    for (size_t i = 0; i < arguments->size(); ++i) {
        if ((*arguments)[i] != "--server") continue;
        if (i + 1 == arguments->size()) return std::nullopt;
        return ConfiguredJob{(*arguments)[i + 1],
                             dictInteger(job.get(), "StartInterval").value_or(table().kDefaultInterval)};
    }
    return std::nullopt;
}

std::optional<std::map<std::string, std::string>> testEnvironment() {
    const Table& t = table();
    if (!t.kTestRoot) return std::nullopt;
    std::map<std::string, std::string> environment{{"QUORVANDEL_CONNECT_TEST_ROOT", *t.kTestRoot}};
    if (t.kSntpStandIn) environment["QUORVANDEL_CONNECT_TEST_SNTP"] = *t.kSntpStandIn;
    return environment;
}

std::string intervalText(int64_t seconds) {
    if (seconds % 60 == 0) return std::to_string(seconds / 60) + " minute" + (seconds == 60 ? "" : "s");
    return std::to_string(seconds) + " seconds";
}

}  // namespace qc
