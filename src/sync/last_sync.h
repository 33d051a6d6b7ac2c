// The record of the last successful sync: the floor for setting the clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qc {

void recordLastSync();
std::optional<int64_t> lastSyncRecord();
// The record's rule applied to a file's text.
std::optional<int64_t> parseLastSync(const std::string& text);

}  // namespace qc
