// One discovery: broadcast the query, collect the answers until the deadline.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/result.h"
#include "discovery/datagram.h"

namespace qc {

inline constexpr int64_t kDiscoveryTimeoutMs = 1500;
// Most servers one discovery keeps: a flood of invented ids can grow neither
// the memory nor the listing.
inline constexpr size_t kMaxServers = 1024;

struct Discovery {
    std::vector<DiscoveredServer> servers;  // no two with one id, at most kMaxServers
    uint64_t notKept = 0;                   // further servers that answered, each counted once
};

// Fails only when the socket cannot be opened ("socket: " and the system's
// reason); callers then go on as if nobody had answered.
Result<Discovery> discover(int64_t timeoutMs = kDiscoveryTimeoutMs);
std::vector<std::string> broadcastTargets();

}  // namespace qc
