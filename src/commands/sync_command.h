// The sync command, and the one sync with its lines that install shares.
#pragma once

#include <functional>
#include <string>

namespace qc {

// Syncs once, prints the event line and sntp's lines, and records the
// attempt (and, on success, the sync); true when sntp succeeded.
bool oneSync(const std::string& server);

// How the sync command learns the uptime and waits between boot retries;
// the system's own unless a test gives others.
struct BootRetry {
    std::function<double()> uptimeSeconds;
    std::function<void()> pause;
};
BootRetry systemBootRetry();

// Syncs, retrying for ten minutes right after a boot: one attempt, recorded
// once its last run has ended; 0 once a sync succeeded.
int cmdSync(const std::string& server, const BootRetry& retry = systemBootRetry());

}  // namespace qc
