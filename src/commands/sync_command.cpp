#include "commands/sync_command.h"

#include <chrono>

#include "commands/event_lines.h"
#include "common/clock.h"
#include "common/console.h"
#include "sync/attempt_record.h"
#include "sync/last_sync.h"
#include "sync/sync.h"
#include "sync/uptime.h"

namespace qc {

namespace {
constexpr double kFreshBootSeconds = 300.0;
constexpr int kBootRetries = 20;
constexpr auto kBootRetryPause = std::chrono::seconds(30);

// One sntp run: its event line and sntp's lines, then, on success, the last-sync record.
SyncAttempt runSntpOnce(const std::string& server) {
    SyncAttempt attempt = attemptSync(server);
    outln(syncLine(attempt.epoch, server, attempt.code));
    for (const auto& line : attempt.lines) outln(line);
    if (attempt.code != 0) return attempt;
    (void)recordLastSync();  // the sync itself succeeded; a record that cannot be written stays the old one
    return attempt;
}

// An attempt is recorded once, when its last run has ended.
bool endAttempt(const std::string& server, const SyncAttempt& last) {
    (void)recordAttempt(server, last);  // not set up, or not writable: status shows the older record
    return last.code == 0;
}

// Right after a boot the network and the server often need a while.
SyncAttempt retryAfterBoot(const std::string& server, const BootRetry& retry, SyncAttempt attempt) {
    outln(bootRetryStartLine());
    for (int n = 1; n <= kBootRetries && attempt.code != 0; ++n) {
        retry.pause();
        outln(bootRetryLine(n, kBootRetries));
        attempt = runSntpOnce(server);
    }
    return attempt;
}

}  // namespace

bool oneSync(const std::string& server) {
    return endAttempt(server, runSntpOnce(server));
}

BootRetry systemBootRetry() {
    return {systemUptimeSeconds, [] {
                sleepFor(kBootRetryPause);
            }};
}

int cmdSync(const std::string& server, const BootRetry& retry) {
    SyncAttempt attempt = runSntpOnce(server);
    if (attempt.code != 0 && retry.uptimeSeconds() < kFreshBootSeconds)
        attempt = retryAfterBoot(server, retry, attempt);
    return endAttempt(server, attempt) ? 0 : 1;
}

}  // namespace qc
