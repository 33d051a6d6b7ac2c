#include "commands/set_time.h"

#include "commands/event_lines.h"
#include "common/clock.h"
#include "common/console.h"
#include "settime/grant.h"
#include "settime/set_clock.h"

namespace qc {

int cmdAllowSetTime(const std::string& userText) {
    Result<uint32_t> granted = allowSetTime(userText);
    if (!granted) {
        errorln(granted.error());
        return 1;
    }
    outln("User " + std::to_string(*granted) +
          " can now set this Mac's clock from Quorvandel Connect without a password.");
    return 0;
}

int cmdForbidSetTime() {
    forbidSetTime(false);
    outln("Setting the clock from Quorvandel Connect asks for an administrator password again.");
    return 0;
}

int cmdSetTime(const std::string& text, const std::optional<std::string>& allowUser) {
    // A bad user stops the command before the clock is touched.
    if (allowUser)
        if (int code = cmdAllowSetTime(*allowUser); code != 0) return code;
    Result<std::string> set = setClockByHand(text);
    const int64_t now = nowWholeSeconds();  // after the change, so it shows the new time
    if (!set) {
        errln(set.error());
        return 1;
    }
    outln(clockLine(now, *set));
    return 0;
}

}  // namespace qc
