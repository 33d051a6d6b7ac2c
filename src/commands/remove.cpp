#include "commands/remove.h"

#include "common/console.h"
#include "common/files.h"
#include "common/paths.h"
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
    // Each step is tried whatever happened to the one before, and none is
    // reported. Both jobs stop before any of their files goes.
    (void)run(kLaunchctl, {"bootout", serviceTarget(t.kLabel)});
    (void)run(kLaunchctl, {"bootout", serviceTarget(t.kSetTimeLabel)});
    for (const std::string* path : {&t.kSetTimePlistPath, &t.kPlistPath, &t.kInstalledBin, &t.kLegacyBin})
        (void)removeFile(*path);
    const Restored restored = restoreSettings();
    (void)removeTree(t.kStateDir);

    outln("Removed. Time server set back to " + restored.server +
          (restored.fromRecord ? " (what this Mac had before setup)." : " (Apple's default)."));
    return 0;
}

}  // namespace qc
