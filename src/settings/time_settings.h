// The Mac's network time server and automatic-time switch: systemsetup, or
// the property-list store of test mode.
#pragma once

#include <optional>
#include <string>

#include "common/plist.h"

namespace qc {

// The value after the label on the first output line that holds it.
std::optional<std::string> systemsetupValueIn(const std::string& output, const std::string& label);
std::optional<std::string> systemsetupValue(const std::string& flag, const std::string& prefix);
// The automatic-time switch from the output of -getusingnetworktime.
std::optional<bool> networkTimeSwitchIn(const std::string& output);

// The test store as a dictionary (empty when missing or unreadable).
Plist fakeSettings();
// Writes one key into the test store; takes ownership of value.
void setFakeSetting(const char* key, plist_t value);

std::optional<std::string> currentTimeServer();
void setTimeServer(const std::string& host);
std::optional<bool> usingNetworkTime();
void setUsingNetworkTime(bool on);

}  // namespace qc
