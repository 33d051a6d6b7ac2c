#include <sys/stat.h>

#include "commands/commands.h"
#include "common/atomic_write.h"
#include "common/console.h"
#include "common/files.h"
#include "common/ownership.h"
#include "common/paths.h"
#include "common/plist.h"
#include "common/time_text.h"
#include "discovery/listing.h"
#include "jobs/installed.h"
#include "jobs/launchd.h"
#include "settings/time_settings.h"
#include "sync/sync.h"

namespace qc {

namespace {

// Opens the machine-readable last line of an install.
constexpr const char* kResultTag = "quorvandel-connect-result:";

// The Mac's own settings, kept once so that remove can put them back.
void saveSettingsBeforeSetup() {
    Plist saved = newDict();
    if (auto server = currentTimeServer()) setString(saved.get(), "timeServer", *server);
    if (auto automatic = usingNetworkTime()) setBool(saved.get(), "usingNetworkTime", *automatic);
    if (plist_dict_get_size(saved.get()) == 0) return;
    ensureStateDir();
    (void)atomicWrite(paths().kStatePath, toXml(saved.get()));
}

}  // namespace

int cmdInstall(const std::optional<std::string>& given, const std::optional<std::string>& givenName,
               int64_t intervalSec) {
    const Paths& t = paths();
    ServerChoice chosen = resolveServer(given, givenName);
    if (!chosen.error.empty()) {
        errln(chosen.error);
        return 1;
    }
    const std::string& server = chosen.ip;
    const std::optional<std::string>& name = chosen.name;
    if (!pathExists("/usr/bin/sntp")) {
        errln("error: /usr/bin/sntp not found \u2014 cannot force a sync on this macOS.");
        return 1;
    }
    const std::string display = name ? "\"" + *name + "\" (" + server + ")" : server;
    const std::string every = intervalText(intervalSec);
    outln("Setting up Quorvandel Connect -> " + display + ", every " + every);

    // A second install keeps the record of the settings from before the first.
    if (!pathExists(t.kPlistPath) && !pathExists(t.kStatePath)) saveSettingsBeforeSetup();
    setTimeServer(server);
    setUsingNetworkTime(true);
    if (auto error = installProgram()) {
        errln(*error);
        return 1;
    }
    ensureStateDir();

    // Any local user may start a sync by touching this file.
    if (!pathExists(t.kSyncNowPath)) (void)createEmptyFile(t.kSyncNowPath, defaultFileMode());
    giveToRootWheel(t.kSyncNowPath, "666");

    Plist job = jobPlist({t.kLabel, {"sync", "--server", server}, t.kSyncNowPath, intervalSec});
    if (auto error = writeJobPlist(job.get(), t.kPlistPath)) {
        errln(*error);
        return 1;
    }
    LoadResult loaded = loadJob(t.kLabel, t.kPlistPath);
    if (!loaded.ok) {
        errln("error: the background job did not load" + (loaded.detail.empty() ? "." : " (" + loaded.detail + ").") +
              " Its files are in place, so it starts at the next restart; run setup again to load it now.");
        return 1;
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
    outln(std::string(kResultTag) + " " + (synced ? "synced" : "no-answer"));
    return 0;
}

}  // namespace qc
