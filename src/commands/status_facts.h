// What status reports, gathered once into a plain record; the text and JSON
// forms are both printed from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "jobs/launchd.h"

namespace qc {

struct SavedSettings {
    std::optional<std::string> timeServer;
    std::optional<bool> automatic;
};

struct Grant {
    int64_t uid = 0;
    bool jobLoaded = false;
};

struct StatusFacts {
    std::optional<ConfiguredJob> job;
    bool jobLoaded = false;
    // The "state =" and "run interval" lines of launchctl print, trimmed.
    std::vector<std::string> launchdLines;
    std::optional<SavedSettings> saved;
    std::optional<int64_t> lastSync;
    bool syncNow = false;
    std::optional<Grant> grant;
    // Only root (or test mode) reads the configured time server.
    bool showsTimeServer = false;
    std::optional<std::string> timeServer;
    // Absent when there is no log to read.
    std::optional<std::vector<std::string>> logTail;
};

StatusFacts gatherStatus();

// The first that applies: not-set-up, job-not-loaded, never-synced, stale, ok.
std::string_view statusHealth(const StatusFacts& facts, int64_t now);

void printStatusText(const StatusFacts& facts);
// One JSON object, without the line feed.
std::string statusJson(const StatusFacts& facts, int64_t now);

}  // namespace qc
