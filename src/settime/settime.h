// Setting the clock by hand: the floor at the last sync, the one-user grant,
// and the requests the set-the-clock job serves.
#pragma once

#include <cstdint>
#include <string>

namespace qc {

struct ClockResult {
    bool ok = false;
    std::string words;
};
ClockResult setClock(const std::string& text);

// The granted user's id, or the error line that says why nothing was granted.
struct GrantResult {
    uint32_t uid = 0;
    std::string error;
};
GrantResult allowSetTime(const std::string& userText);
void forbidSetTime(bool keepAnswer);

// The set-the-clock job's handler; a dropped request leaves no trace.
void cmdSetTimeFromRequest();

}  // namespace qc
