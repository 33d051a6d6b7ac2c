#include "cli/console.h"
#include "cli/process.h"
#include "cli/table.h"
#include "commands/commands.h"
#include "common/files.h"
#include "common/plist.h"
#include "common/text.h"
#include "common/utf8.h"
#include "jobs/launchd.h"
#include "settings/time_settings.h"
#include "sync/last_sync.h"
#include "sync/time_text.h"

namespace qc {

namespace {
constexpr size_t kLogLines = 12;

void launchdSection(const Table& t) {
    outln("== launchd service ==");
    RunResult print = run(kLaunchctl, {"print", serviceTarget(t.kLabel)});
    if (print.code != 0) return outln("  (not loaded)");
    for (auto line : nonEmptyLines(print.out)) {
        if (line.find("state =") != std::string_view::npos || line.find("run interval") != std::string_view::npos)
            outln("  " + std::string(trimBlanks(line)));
    }
}

void savedSettingsSection(const Table& t) {
    outln("== time settings before setup ==");
    Plist saved = readPlistDict(t.kStatePath);
    if (!saved) return outln("  (no record)");
    outln("  time server: " + dictString(saved.get(), "timeServer").value_or("(not recorded)"));
    if (auto automatic = dictBool(saved.get(), "usingNetworkTime"))
        outln(std::string("  set time automatically: ") + (*automatic ? "on" : "off"));
}

void passwordFreeSection(const Table& t) {
    outln("== without a password ==");
    outln(std::string("  sync now: ") + (pathExists(t.kSyncNowPath) ? "yes" : "no (set up again to add it)"));
    Plist grant = readPlistDict(t.kSetTimeGrantPath);
    if (auto uid = dictInteger(grant.get(), "uid"))
        outln("  set the clock: user " + std::to_string(*uid) +
              (jobIsLoaded(t.kSetTimeLabel) ? "" : " (its job is not loaded)"));
    else
        outln("  set the clock: nobody");
}

void logSection(const Table& t) {
    outln("== last log lines ==");
    auto log = readRegularFile(t.kLogPath);
    if (!log || !isValidUtf8(*log)) return outln("  (no log yet)");
    auto lines = nonEmptyLines(*log);
    size_t first = lines.size() > kLogLines ? lines.size() - kLogLines : 0;
    for (size_t i = first; i < lines.size(); ++i) outln("  " + std::string(lines[i]));
}

}  // namespace

void cmdStatus() {
    const Table& t = table();
    outln("== this Mac ==");
    if (auto job = configuredJob())
        outln("  syncs with " + job->server + " at startup and every " + intervalText(job->interval));
    else
        outln("  not set up");
    launchdSection(t);
    savedSettingsSection(t);
    outln("== last sync ==");
    if (auto last = lastSyncRecord())
        outln("  " + isoText(*last));
    else
        outln("  (none recorded)");
    passwordFreeSection(t);
    // Reading the system's time server needs root; an ordinary user gets no section.
    if (isRoot()) {
        outln("== configured time server ==");
        outln("  " + currentTimeServer().value_or("(could not read)"));
    }
    logSection(t);
}

}  // namespace qc
