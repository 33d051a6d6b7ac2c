// The setup commands: install, remove and status.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qc {

inline constexpr const char* kAppleDefaultTimeServer = "time.apple.com";

void cmdInstall(const std::string& server, int64_t intervalSec, const std::optional<std::string>& name);
void cmdRemove();
// json: one JSON object in place of the text report.
void cmdStatus(bool json);

}  // namespace qc
