#include <cerrno>
#include <cstring>
#include <sys/time.h>

#include "common/atomic_write.h"
#include "common/paths.h"
#include "common/time_text.h"
#include "settime/settime.h"
#include "sync/last_sync.h"

namespace qc {

ClockResult setClock(const std::string& text) {
    auto when = parseTime(text);
    if (!when) return {false, "\"" + text + "\" is not a time. Give it as 2026-10-09T21:07:38Z."};
    // Never earlier than the last sync; the same second is allowed.
    if (auto floor = lastSyncRecord(); floor && *floor > *when)
        return {false,
                text + " is earlier than this Mac's last sync (" + isoText(*floor) + "). The clock was not changed."};

    const Paths& t = paths();
    if (t.testMode()) {
        (void)atomicWrite(t.kFakeClockPath, text + "\n");
        return {true, "clock set to " + text + " (self-test: not really)"};
    }
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(*when);
    if (settimeofday(&tv, nullptr) != 0) return {false, std::string("the clock could not be set: ") + strerror(errno)};
    return {true, "clock set to " + text};
}

}  // namespace qc
