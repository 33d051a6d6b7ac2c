#include "settings/time_settings.h"

#include "common/atomic_write.h"
#include "common/paths.h"
#include "common/plist.h"
#include "jobs/state_dir.h"
#include "platform/platform.h"

namespace qc {

std::optional<SavedSettings> savedSettings() {
    Plist saved = readPlistDict(paths().kStatePath);
    if (!saved) return std::nullopt;
    return SavedSettings{dictString(saved.get(), "timeServer"), dictBool(saved.get(), "usingNetworkTime")};
}

Status saveSettingsBeforeSetup() {
    Plist saved = newDict();
    if (auto server = platform().currentTimeServer()) setString(saved.get(), "timeServer", *server);
    if (auto automatic = platform().usingNetworkTime()) setBool(saved.get(), "usingNetworkTime", *automatic);
    if (plist_dict_get_size(saved.get()) == 0) return Error{"the time settings could not be read"};
    // A folder that cannot be made shows as the write's failure.
    (void)ensureStateDir();
    return atomicWrite(paths().kStatePath, toXml(saved.get()));
}

Restored restoreSettings() {
    const std::optional<SavedSettings> saved = savedSettings();
    const std::optional<std::string> server = saved ? saved->timeServer : std::nullopt;
    Restored restored{server.value_or(kAppleDefaultTimeServer), server.has_value()};
    (void)platform().setTimeServer(restored.server);  // remove reports no failure of its own
    // Install switched automatic time on; only a recorded "off" is put back.
    if (saved && saved->automatic == false) (void)platform().setUsingNetworkTime(false);
    return restored;
}

}  // namespace qc
