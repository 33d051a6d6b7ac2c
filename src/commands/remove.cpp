#include "commands/commands.h"
#include "common/console.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/plist.h"
#include "common/process.h"
#include "jobs/launchd.h"
#include "settings/time_settings.h"

namespace qc {

namespace {

bool isSetUp() {
    const Paths& t = paths();
    for (const std::string* path : {&t.kPlistPath, &t.kSetTimePlistPath, &t.kInstalledBin, &t.kLegacyBin, &t.kStateDir})
        if (pathExists(*path)) return true;
    return jobIsLoaded(t.kLabel) || jobIsLoaded(t.kSetTimeLabel);
}

}  // namespace

int cmdRemove() {
    const Paths& t = paths();
    if (!isSetUp()) {
        outln("Quorvandel Connect is not set up on this Mac. Nothing was changed.");
        return 0;
    }
    outln("Removing Quorvandel Connect");
    // Both jobs stop before any of their files goes.
    (void)run(kLaunchctl, {"bootout", serviceTarget(t.kLabel)});
    (void)run(kLaunchctl, {"bootout", serviceTarget(t.kSetTimeLabel)});
    for (const std::string* path : {&t.kSetTimePlistPath, &t.kPlistPath, &t.kInstalledBin, &t.kLegacyBin})
        (void)removeFile(*path);

    Plist saved = readPlistDict(t.kStatePath);
    const auto server = dictString(saved.get(), "timeServer");
    setTimeServer(server.value_or(kAppleDefaultTimeServer));
    // Install switched automatic time on; only a saved "off" is put back.
    if (auto automatic = dictBool(saved.get(), "usingNetworkTime"); automatic && !*automatic)
        setUsingNetworkTime(false);
    removeTree(t.kStateDir);

    outln("Removed. Time server set back to " + (server
                                                     ? *server + " (what this Mac had before setup)."
                                                     : std::string(kAppleDefaultTimeServer) + " (Apple's default)."));
    return 0;
}

}  // namespace qc
