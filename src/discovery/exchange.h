// One discovery: broadcast the query, collect the answers until the deadline.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "discovery/datagram.h"

namespace qc {

inline constexpr int64_t kDiscoveryTimeoutMs = 1500;

std::vector<DiscoveredServer> discover(int64_t timeoutMs = kDiscoveryTimeoutMs);
std::vector<std::string> broadcastTargets();

}  // namespace qc
