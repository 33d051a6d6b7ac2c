#include "commands/sync_command.h"

#include <chrono>

#include "common/clock.h"
#include "common/console.h"
#include "sync/last_sync.h"
#include "sync/sync.h"
#include "sync/uptime.h"

namespace qc {

namespace {
constexpr double kFreshBootSeconds = 300.0;
constexpr int kBootRetries = 20;
constexpr auto kBootRetryPause = std::chrono::seconds(30);
}  // namespace

bool oneSync(const std::string& server) {
    SyncAttempt attempt = attemptSync(server);
    outln(attempt.stamp + " quorvandel-connect: sync against " + server + " (exit " + std::to_string(attempt.code) +
          ")");
    for (const auto& line : attempt.lines) outln(line);
    if (attempt.code != 0) return false;
    (void)recordLastSync();  // the sync itself succeeded; a record that cannot be written stays the old one
    return true;
}

BootRetry systemBootRetry() {
    return {systemUptimeSeconds, [] {
                sleepFor(kBootRetryPause);
            }};
}

int cmdSync(const std::string& server, const BootRetry& retry) {
    if (oneSync(server)) return 0;
    if (retry.uptimeSeconds() >= kFreshBootSeconds) return 1;

    // Right after a boot the network and the server often need a while.
    outln("quorvandel-connect: fresh boot \u2014 retrying up to 10 min for the server...");
    for (int attempt = 1; attempt <= kBootRetries; ++attempt) {
        retry.pause();
        outln("quorvandel-connect: boot retry " + std::to_string(attempt) + "/" + std::to_string(kBootRetries));
        if (oneSync(server)) return 0;
    }
    return 1;
}

}  // namespace qc
