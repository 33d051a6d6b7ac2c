#include "sync/sync.h"

#include <chrono>

#include "commands/commands.h"
#include "common/clock.h"
#include "common/console.h"

namespace qc {

namespace {
constexpr double kFreshBootSeconds = 300.0;
constexpr int kBootRetries = 20;
constexpr auto kBootRetryPause = std::chrono::seconds(30);
}  // namespace

int cmdSync(const std::string& server) {
    if (oneSync(server)) return 0;
    if (systemUptimeSeconds() >= kFreshBootSeconds) return 1;

    // Right after a boot the network and the server often need a while.
    outln("quorvandel-connect: fresh boot \u2014 retrying up to 10 min for the server...");
    for (int attempt = 1; attempt <= kBootRetries; ++attempt) {
        sleepFor(kBootRetryPause);
        outln("quorvandel-connect: boot retry " + std::to_string(attempt) + "/" + std::to_string(kBootRetries));
        if (oneSync(server)) return 0;
    }
    return 1;
}

}  // namespace qc
