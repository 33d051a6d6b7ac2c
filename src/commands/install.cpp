#include <sys/stat.h>

#include "cli/console.h"
#include "cli/table.h"
#include "commands/commands.h"
#include "common/atomic_write.h"
#include "common/files.h"
#include "common/plist.h"
#include "jobs/installed.h"
#include "jobs/launchd.h"
#include "settings/time_settings.h"
#include "sync/sync.h"

namespace qc {

namespace {

// The Mac's own settings, kept once so that remove can put them back.
void saveSettingsBeforeSetup() {
    Plist saved = newDict();
    if (auto server = currentTimeServer()) setString(saved.get(), "timeServer", *server);
    if (auto automatic = usingNetworkTime()) setBool(saved.get(), "usingNetworkTime", *automatic);
    if (plist_dict_get_size(saved.get()) == 0) return;
    ensureStateDir();
    (void)atomicWrite(table().kStatePath, toXml(saved.get()));
}

Plist syncJob(const std::string& server, int64_t intervalSec) {
    const Table& t = table();
    // Keys in sorted order, as the platform's own writer puts them.
    Plist job = newDict();
    if (auto environment = testEnvironment()) setStringDict(job.get(), "EnvironmentVariables", *environment);
    setString(job.get(), "Label", t.kLabel);
    setStringArray(job.get(), "ProgramArguments", {t.kInstalledBin, "sync", "--server", server});
    setBool(job.get(), "RunAtLoad", true);
    setString(job.get(), "StandardErrorPath", t.kLogPath);
    setString(job.get(), "StandardOutPath", t.kLogPath);
    setInteger(job.get(), "StartInterval", intervalSec);
    setStringArray(job.get(), "WatchPaths", {t.kSyncNowPath});
    return job;
}

}  // namespace

void cmdInstall(const std::string& server, int64_t intervalSec, const std::optional<std::string>& name) {
    const Table& t = table();
    requireRoot("install --server " + server);
    if (!pathExists("/usr/bin/sntp")) {
        errln("error: /usr/bin/sntp not found \u2014 cannot force a sync on this macOS.");
        finish(1);
    }
    const std::string display = name ? "\"" + *name + "\" (" + server + ")" : server;
    const std::string every = intervalText(intervalSec);
    outln("Setting up Quorvandel Connect -> " + display + ", every " + every);

    // A second install keeps the record of the settings from before the first.
    if (!pathExists(t.kPlistPath) && !pathExists(t.kStatePath)) saveSettingsBeforeSetup();
    setTimeServer(server);
    setUsingNetworkTime(true);
    installProgram();
    ensureStateDir();

    // Any local user may start a sync by touching this file.
    if (!pathExists(t.kSyncNowPath)) (void)createEmptyFile(t.kSyncNowPath, defaultFileMode());
    giveToRootWheel(t.kSyncNowPath, "666");

    Plist job = syncJob(server, intervalSec);
    writeJobPlist(job.get(), t.kPlistPath);
    LoadResult loaded = loadJob(t.kLabel, t.kPlistPath);
    if (!loaded.ok) {
        errln("error: the background job did not load" + (loaded.detail.empty() ? "." : " (" + loaded.detail + ").") +
              " Its files are in place, so it starts at the next restart; run setup again to load it now.");
        finish(1);
    }
    (void)removeFile(t.kLegacyBin);

    outln("Setting the clock from " + server + " now...");
    const bool synced = oneSync(server);
    if (synced)
        outln("Done. This Mac syncs with " + display + " at startup and every " + every + ".");
    else
        outln("Set up, but " + server + " did not answer a time request. This Mac keeps trying at startup and every " +
              every + ".");
    outln("Log: " + t.kLogPath);
    outln(t.kResultTag + " " + (synced ? "synced" : "no-answer"));
}

}  // namespace qc
