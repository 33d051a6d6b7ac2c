// Setting the clock by hand: the floor at the last sync, the one-user grant,
// and the requests the set-the-clock job serves.
#pragma once

#include <optional>
#include <string>

namespace qc {

struct ClockResult {
    bool ok = false;
    std::string words;
};

ClockResult setClock(const std::string& text);
void cmdSetTime(const std::string& text, const std::optional<std::string>& allowUser);

void allowSetTime(const std::string& userText);
void forbidSetTime(bool keepAnswer = false);

void cmdSetTimeFromRequest();

}  // namespace qc
