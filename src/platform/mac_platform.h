// The Mac's own platform: systemsetup for the time settings, sntp -sS,
// settimeofday, and chown, chmod and xattr for owners, modes and the
// quarantine mark. Every program goes through the runner it is given, so a
// test can see the argument vectors a Mac gets.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/file_programs.h"
#include "platform/platform.h"

namespace qc {

std::unique_ptr<Platform> macPlatform(Runner runner = run);

// The value after the label on the first line of systemsetup's output that
// holds the label (absent when that value is empty), and the automatic-time
// switch from the output of -getusingnetworktime.
std::optional<std::string> systemsetupValueIn(const std::string& output, const std::string& label);
std::optional<bool> networkTimeSwitchIn(const std::string& output);

}  // namespace qc
