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

// Ids beyond the kept servers are counted by one bit each of a fixed table
// (1 MiB), indexed by a hash of the id. Two ids that share a bit count once,
// so among many thousands the count falls short by a fraction of a percent.
inline constexpr size_t kNotKeptBits = size_t{1} << 23;

struct Discovery {
    std::vector<DiscoveredServer> servers;  // no two with one id, at most kMaxServers
    uint64_t notKept = 0;                   // further servers that answered, each counted once
};

// Fails when the socket cannot be opened ("socket: " and the system's
// reason) and, under root, when the unprivileged process that listens
// cannot run or sends anything odd ("discovery: " and what happened);
// callers then go on as if nobody had answered.
Result<Discovery> discover(int64_t timeoutMs = kDiscoveryTimeoutMs);
std::vector<std::string> broadcastTargets();

}  // namespace qc
