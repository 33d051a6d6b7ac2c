#include "commands/set_time_from_request.h"

#include "common/console.h"
#include "common/time_text.h"
#include "settime/request.h"

namespace qc {

int cmdSetTimeFromRequest() {
    if (auto answered = serveRequest())
        // The time is taken after any change of the clock.
        outln(nowText() + " quorvandel-connect: set-time request from user " + std::to_string(answered->uid) + ": " +
              answered->status + " " + answered->words);
    return 0;
}

}  // namespace qc
