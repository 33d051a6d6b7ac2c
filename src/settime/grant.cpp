#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/console.h"
#include "cli/process.h"
#include "cli/table.h"
#include "common/atomic_write.h"
#include "common/files.h"
#include "common/plist.h"
#include "jobs/installed.h"
#include "jobs/launchd.h"
#include "settime/settime.h"

namespace qc {

namespace {

// A numeric user id: an optional "+", then ASCII digits, at most 4294967295.
std::optional<uint32_t> parseUserId(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

Plist setTimeJob() {
    const Table& t = table();
    // Keys in sorted order, as the platform's own writer puts them.
    Plist job = newDict();
    if (auto environment = testEnvironment()) setStringDict(job.get(), "EnvironmentVariables", *environment);
    setString(job.get(), "Label", t.kSetTimeLabel);
    setStringArray(job.get(), "ProgramArguments", {t.kInstalledBin, "set-time-from-request"});
    setString(job.get(), "StandardErrorPath", t.kLogPath);
    setString(job.get(), "StandardOutPath", t.kLogPath);
    setStringArray(job.get(), "WatchPaths", {t.kSetTimeRequestPath});
    return job;
}

}  // namespace

void allowSetTime(const std::string& userText) {
    const Table& t = table();
    auto uid = parseUserId(userText);
    if (!uid || *uid == 0 || !getpwuid(*uid)) {
        errln("error: \"" + userText + "\" is not a user of this Mac (give the numeric id; root does not need this).");
        finish(1);
    }
    installProgram();
    ensureStateDir();

    // A new, empty request file that only the granted user may write.
    const std::string& request = t.kSetTimeRequestPath;
    (void)removeFile(request);
    if (!createEmptyFile(request, 0600)) {
        errln("error: cannot create " + request + ".");
        finish(1);
    }
    if (!t.testMode()) (void)chown(request.c_str(), *uid, 0);
    (void)chmod(request.c_str(), 0600);

    Plist grant = newDict();
    setInteger(grant.get(), "uid", *uid);
    (void)atomicWrite(t.kSetTimeGrantPath, toXml(grant.get()), 0644);

    Plist job = setTimeJob();
    writeJobPlist(job.get(), t.kSetTimePlistPath);
    LoadResult loaded = loadJob(t.kSetTimeLabel, t.kSetTimePlistPath);
    if (!loaded.ok) {
        errln("error: the set-the-clock job did not load" + (loaded.detail.empty() ? "." : " (" + loaded.detail + ")."));
        finish(1);
    }
    outln("User " + std::to_string(*uid) + " can now set this Mac's clock from Quorvandel Connect without a password.");
}

void forbidSetTime(bool keepAnswer) {
    const Table& t = table();
    (void)removeFile(t.kSetTimePlistPath);
    (void)removeFile(t.kSetTimeRequestPath);
    (void)removeFile(t.kSetTimeGrantPath);
    if (!keepAnswer) (void)removeFile(t.kSetTimeResultPath);
    (void)run(kLaunchctl, {"bootout", serviceTarget(t.kSetTimeLabel)});
}

}  // namespace qc
