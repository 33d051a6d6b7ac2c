// The record of the newest sync attempt, kept by the sync that made it:
// when, against which server, how it ended, the offset the newest successful
// attempt measured, and the run of failed attempts it belongs to. status
// reads it; the log is for people.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/result.h"
#include "sync/sync.h"

namespace qc {

struct AttemptRecord {
    int64_t epoch = 0;   // when the attempt's last sntp run started
    std::string server;  // escaped
    int32_t exitCode = 0;
    std::optional<double> offsetSeconds = {};  // measured by the newest successful attempt
    int64_t consecutiveFailures = 0;           // failed attempts in a row, this one included
    std::optional<int64_t> failingSince = {};  // when the first of them was made; absent after a success
};

// The record after previous, for an attempt whose last sntp run was last.
AttemptRecord nextAttemptRecord(const std::optional<AttemptRecord>& previous, const std::string& server,
                                const SyncAttempt& last);
// Writes the record of an attempt that has ended. A record never makes the
// state folder: where no step of the tool made it, nothing is written.
Status recordAttempt(const std::string& server, const SyncAttempt& last);
// Absent when missing, damaged or too large.
std::optional<AttemptRecord> attemptRecord();
// The reader's rule applied to a file's bytes.
std::optional<AttemptRecord> parseAttemptRecord(const std::string& bytes);

}  // namespace qc
