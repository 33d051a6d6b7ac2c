// Who set the clock by hand, to what, and how it was answered: the record
// that set-time and the set-the-clock job keep of each answer, and the count
// of the requests' outcomes since the current grant was made. status reads
// it; the log is for people.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"

namespace qc {

// The answers the record keeps, the newest ones.
inline constexpr size_t kAuditEntries = 20;

struct AuditEntry {
    int64_t epoch = 0;
    int64_t uid = 0;
    std::string via;                       // "set-time" or "request"
    std::string outcome;                   // "ok", "refused" or "revoked"
    std::optional<std::string> requested;  // the time asked for, escaped; absent for a revoke
};

struct AuditRecord {
    std::vector<AuditEntry> entries;  // oldest first
    // The requests' outcomes since the grant was made; revokes are in the entries.
    int64_t requestsOk = 0;
    int64_t requestsRefused = 0;
};

// The record with one more answer, the oldest entry dropped past kAuditEntries.
AuditRecord withAnswer(AuditRecord record, AuditEntry entry);
// Adds an answer given now. The text asked for is escaped and cut to a
// request's size. A record never makes the state folder: where no step of
// the tool made it, nothing is written.
Status recordAnswer(const std::string& via, int64_t uid, const std::string& outcome,
                    const std::optional<std::string>& requested);
// A new grant counts its requests from zero; the entries stay.
Status restartRequestCounts();
// Absent when missing, damaged or too large.
std::optional<AuditRecord> auditRecord();
// The reader's rule applied to a file's bytes.
std::optional<AuditRecord> parseAuditRecord(const std::string& bytes);

}  // namespace qc
