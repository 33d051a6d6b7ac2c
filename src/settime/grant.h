// The right of one ordinary user to set the clock without a password: the
// grant file, the request file only that user may write, and the job that
// serves the requests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/result.h"

namespace qc {

// Grants the user the id names; the granted id, or what failed, which says
// why nothing (or not everything) was done.
Result<uint32_t> allowSetTime(const std::string& userText);
// The user the grant file names; absent without a readable grant. The one
// reader of that file.
std::optional<int64_t> grantedUser();
// Takes the grant away. Never fails: each deletion and the unload are tried
// whatever happened to the ones before. keepAnswer keeps the result file.
void forbidSetTime(bool keepAnswer);

}  // namespace qc
