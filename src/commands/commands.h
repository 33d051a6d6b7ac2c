// The command handlers: each prints what its command reports and returns the
// exit code. The root checks and the reading of options are the caller's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qc {

inline constexpr const char* kAppleDefaultTimeServer = "time.apple.com";

int cmdDiscover();
// server and name as given on the command line; without a server, discovery chooses.
int cmdInstall(const std::optional<std::string>& server, const std::optional<std::string>& name, int64_t intervalSec);
int cmdRemove();
int cmdSync(const std::string& server);
// json: one JSON object in place of the text report.
int cmdStatus(bool json);
int cmdSetTime(const std::string& text, const std::optional<std::string>& allowUser);
int cmdAllowSetTime(const std::string& userText);
int cmdForbidSetTime();

}  // namespace qc
