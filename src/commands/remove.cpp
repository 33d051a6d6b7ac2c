#include "commands/remove.h"

#include <sys/stat.h>

#include "common/console.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/utf8.h"
#include "jobs/launchd.h"
#include "settings/time_settings.h"

namespace qc {

namespace {

// A folder at the older install location was never the tool's: remove
// leaves it (it deletes no folder there), so it tells nothing of a setup.
// Nor does a link to nothing: no program exists there.
bool isLegacyProgram(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool isSetUp() {
    const Paths& t = paths();
    for (const std::string* path : {&t.kPlistPath, &t.kSetTimePlistPath, &t.kInstalledBin})
        if (pathExists(*path)) return true;
    if (isLegacyProgram(t.kLegacyBin) || pathExists(t.kStateDir)) return true;
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
    (void)unloadJob(t.kLabel);
    (void)unloadJob(t.kSetTimeLabel);
    for (const std::string* path : {&t.kSetTimePlistPath, &t.kPlistPath, &t.kInstalledBin, &t.kLegacyBin})
        (void)removeFile(*path);
    const Restored restored = restoreSettings();
    (void)removeTree(t.kStateDir);

    outln("Removed. Time server set back to " + escapeControls(restored.server) +
          (restored.fromRecord ? " (what this Mac had before setup)." : " (Apple's default)."));
    return 0;
}

}  // namespace qc
