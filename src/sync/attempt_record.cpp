#include "sync/attempt_record.h"

#include <climits>

#include "common/paths.h"
#include "common/plist.h"
#include "common/utf8.h"
#include "jobs/state_dir.h"

namespace qc {

namespace {

// A server longer than any host name is cut, so the record stays small
// whatever the command line gave.
constexpr size_t kMaxServerBytes = 256;

constexpr const char* kTime = "time";
constexpr const char* kServer = "server";
constexpr const char* kExitCode = "exitCode";
constexpr const char* kOffset = "offsetSeconds";
constexpr const char* kFailures = "consecutiveFailures";
constexpr const char* kFailingSince = "failingSince";

std::optional<AttemptRecord> fromDict(plist_t dict) {
    auto epoch = dictInteger(dict, kTime);
    auto server = dictString(dict, kServer);
    auto code = dictInteger(dict, kExitCode);
    auto failures = dictInteger(dict, kFailures);
    // The tool writes escaped text only: anything else is damage.
    if (!epoch || !server || escapeControls(*server) != *server || !code || *code < INT32_MIN || *code > INT32_MAX ||
        !failures || *failures < 0)
        return std::nullopt;
    return AttemptRecord{.epoch = *epoch,
                         .server = *server,
                         .exitCode = static_cast<int32_t>(*code),
                         .offsetSeconds = dictReal(dict, kOffset),
                         .consecutiveFailures = *failures,
                         .failingSince = dictInteger(dict, kFailingSince)};
}

}  // namespace

AttemptRecord nextAttemptRecord(const std::optional<AttemptRecord>& previous, const std::string& server,
                                const SyncAttempt& last) {
    AttemptRecord next{.epoch = last.epoch,
                       .server = escapeControls(server.substr(0, kMaxServerBytes)),
                       .exitCode = last.code,
                       .offsetSeconds = last.offset};
    if (last.code == 0) return next;
    // A failure keeps the offset of the last success, and the start of the run of failures.
    const bool wasFailing = previous && previous->consecutiveFailures > 0;
    next.offsetSeconds = previous ? previous->offsetSeconds : std::nullopt;
    next.consecutiveFailures = wasFailing ? previous->consecutiveFailures + 1 : 1;
    next.failingSince = wasFailing && previous->failingSince ? previous->failingSince : last.epoch;
    return next;
}

Status recordAttempt(const std::string& server, const SyncAttempt& last) {
    const AttemptRecord record = nextAttemptRecord(attemptRecord(), server, last);
    Plist dict = newDict();
    setInteger(dict.get(), kTime, record.epoch);
    setString(dict.get(), kServer, record.server);
    setInteger(dict.get(), kExitCode, record.exitCode);
    if (record.offsetSeconds) setReal(dict.get(), kOffset, *record.offsetSeconds);
    setInteger(dict.get(), kFailures, record.consecutiveFailures);
    if (record.failingSince) setInteger(dict.get(), kFailingSince, *record.failingSince);
    return writeStateRecord(paths().kLastAttemptPath, dict.get());
}

std::optional<AttemptRecord> attemptRecord() {
    return fromDict(readPlistDict(paths().kLastAttemptPath).get());
}

std::optional<AttemptRecord> parseAttemptRecord(const std::string& bytes) {
    return fromDict(parsePlist(bytes).get());
}

}  // namespace qc
