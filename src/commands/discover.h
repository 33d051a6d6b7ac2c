// The discover command, and the numbered server lines it shares with the choice.
#pragma once

#include <vector>

#include "discovery/datagram.h"

namespace qc {

// Lists the servers on the network; 1 when nobody answered.
int cmdDiscover();
// One numbered line per server, from 1.
void printServers(const std::vector<DiscoveredServer>& servers);

}  // namespace qc
