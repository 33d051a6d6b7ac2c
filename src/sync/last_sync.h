// The record of the last successful sync: the floor for setting the clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/result.h"

namespace qc {

// The number may come padded with blanks; a record larger than this reads
// as unreadable, as the other small files of the state folder do.
inline constexpr size_t kMaxLastSyncBytes = 64 * 1024;

Status recordLastSync();
std::optional<int64_t> lastSyncRecord();
// The record's rule applied to a file's text.
std::optional<int64_t> parseLastSync(const std::string& text);

}  // namespace qc
