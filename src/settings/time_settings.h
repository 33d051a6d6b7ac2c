// The Mac's time settings around a setup: saved once before the first
// install, shown by status, and put back by remove. The settings themselves
// are read and changed through the platform.
#pragma once

#include <optional>
#include <string>

#include "common/result.h"

namespace qc {

// Apple's default network time server, which remove sets when nothing was saved.
inline constexpr const char* kAppleDefaultTimeServer = "time.apple.com";

struct SavedSettings {
    std::optional<std::string> timeServer;
    std::optional<bool> automatic;
};

// The record of the settings from before setup; absent without a readable one.
std::optional<SavedSettings> savedSettings();
// Reads the Mac's settings now and records what could be read; no record is
// made when nothing could.
Status saveSettingsBeforeSetup();

// The server remove set, and whether it came from the record.
struct Restored {
    std::string server;
    bool fromRecord = false;
};
// Puts back the recorded time server (Apple's default without one) and a
// recorded "off" of automatic time. Each change is tried; none is reported.
Restored restoreSettings();

}  // namespace qc
