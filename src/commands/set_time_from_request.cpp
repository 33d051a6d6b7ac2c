#include "commands/set_time_from_request.h"

#include "commands/event_lines.h"
#include "common/clock.h"
#include "common/console.h"
#include "settime/grant.h"
#include "settime/request.h"

namespace qc {

int cmdSetTimeFromRequest() {
    auto answered = serveRequest();
    if (!answered) return 0;
    // The time is taken after any change of the clock.
    outln(requestLine(nowWholeSeconds(), answered->uid, answered->status, answered->words));
    // The answer first, the unload last: launchd ends the job when it is booted out.
    if (answered->revokes) forbidSetTime(true);
    return 0;
}

}  // namespace qc
