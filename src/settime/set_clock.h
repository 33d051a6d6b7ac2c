// The one way the clock is set by hand, never earlier than the last sync.
#pragma once

#include <string>

#include "common/result.h"

namespace qc {

// Sets the clock to the time text. The words that say what happened, or why
// not: not a time, earlier than the last sync, or the system's refusal.
Result<std::string> setClock(const std::string& text);
// The set-time command's clock setting: setClock, with its answer recorded
// in the audit under the user who ran it.
Result<std::string> setClockByHand(const std::string& text);

}  // namespace qc
