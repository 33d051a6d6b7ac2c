#include "commands/install.h"

#include "commands/resolve_server.h"
#include "commands/sync_command.h"
#include "common/console.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/plist.h"
#include "common/time_text.h"
#include "jobs/installed.h"
#include "jobs/launchd.h"
#include "jobs/state_dir.h"
#include "platform/platform.h"
#include "settings/time_settings.h"

namespace qc {

namespace {

// Opens the machine-readable last line of an install.
constexpr const char* kResultTag = "quorvandel-connect-result:";

}  // namespace

int cmdInstall(const std::optional<std::string>& given, const std::optional<std::string>& givenName,
               int64_t intervalSec) {
    const Paths& t = paths();
    Result<ServerChoice> chosen = resolveServer(given, givenName);
    if (!chosen) {
        errln(chosen.error());
        return 1;
    }
    const std::string& server = chosen->ip;
    const std::optional<std::string>& name = chosen->name;
    if (!pathExists("/usr/bin/sntp")) {
        errorln("/usr/bin/sntp not found \u2014 cannot force a sync on this macOS.");
        return 1;
    }
    const std::string display = name ? "\"" + *name + "\" (" + server + ")" : server;
    const std::string every = intervalText(intervalSec);
    outln("Setting up Quorvandel Connect -> " + display + ", every " + every);

    // A second install keeps the record of the settings from before the first.
    // Whether the record was made is not looked at: without one, remove sets Apple's default.
    if (!pathExists(t.kPlistPath) && !pathExists(t.kStatePath)) (void)saveSettingsBeforeSetup();
    // Nor are these: status shows the configured server, and the sync below tells.
    (void)platform().setTimeServer(server);
    (void)platform().setUsingNetworkTime(true);
    if (Status installed = installProgram(); !installed) {
        errorln(installed.error());
        return 1;
    }
    (void)ensureStateDir();  // a folder that cannot be made shows as the job's write failing

    // Any local user may start a sync by touching this file; status says when it is missing.
    if (!pathExists(t.kSyncNowPath)) (void)createEmptyFile(t.kSyncNowPath, defaultFileMode());
    (void)platform().giveToRootWheel(t.kSyncNowPath, "666");

    Plist job = jobPlist({t.kLabel, {"sync", "--server", server}, t.kSyncNowPath, intervalSec});
    if (Status written = writeJobPlist(job.get(), t.kPlistPath); !written) {
        errorln(written.error());
        return 1;
    }
    if (Status loaded = loadJob(t.kLabel, t.kPlistPath); !loaded) {
        errorln("the background job " + loaded.error() +
                " Its files are in place, so it starts at the next restart; run setup again to load it now.");
        return 1;
    }
    (void)removeFile(t.kLegacyBin);  // usually there is none

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
