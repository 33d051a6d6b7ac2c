#include "settime/set_clock.h"

#include <unistd.h>

#include "common/time_text.h"
#include "platform/platform.h"
#include "settime/audit_record.h"
#include "sync/last_sync.h"

namespace qc {

Result<std::string> setClock(const std::string& text) {
    auto when = parseTime(text);
    if (!when) return Error{"\"" + text + "\" is not a time. Give it as 2026-10-09T21:07:38Z."};
    // Never earlier than the last sync; the same second is allowed.
    if (auto floor = lastSyncRecord(); floor && *floor > *when)
        return Error{text + " is earlier than this Mac's last sync (" + isoText(*floor) +
                     "). The clock was not changed."};
    return platform().setClock(*when, text);
}

Result<std::string> setClockByHand(const std::string& text) {
    Result<std::string> set = setClock(text);
    // Root's, or in test mode the user's who acts as root. Not set up: no record.
    (void)recordAnswer("set-time", getuid(), set ? "ok" : "refused", text);
    return set;
}

}  // namespace qc
