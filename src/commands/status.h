// The status command: what the setup consists of, gathered once into a plain
// record that the text and the JSON forms are both printed from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "jobs/launchd.h"
#include "settime/audit_record.h"
#include "settings/time_settings.h"
#include "sync/attempt_record.h"

namespace qc {

struct Grant {
    int64_t uid = 0;
    bool jobLoaded = false;
};

struct StatusFacts {
    std::optional<ConfiguredJob> job;
    JobState launchd;  // of the sync job
    std::optional<SavedSettings> saved;
    std::optional<int64_t> lastSync;
    bool syncNow = false;
    std::optional<Grant> grant;
    // Only root (or test mode) reads the configured time server.
    bool showsTimeServer = false;
    std::optional<std::string> timeServer;
    // The records the sync and the clock's answers keep.
    std::optional<AttemptRecord> attempt;
    std::optional<AuditRecord> audit;
    // Absent when there is no log to read.
    std::optional<std::vector<std::string>> logTail;
};

StatusFacts gatherStatus();
// json: one JSON object in place of the text report. Always 0.
int cmdStatus(bool json);

}  // namespace qc
