#include "commands/discover.h"

#include "common/console.h"
#include "discovery/exchange.h"
#include "discovery/listing.h"

namespace qc {

void printServers(const std::vector<DiscoveredServer>& servers) {
    for (size_t i = 0; i < servers.size(); ++i) outln(serverLine(i + 1, servers[i]));
}

int cmdDiscover() {
    Result<Discovery> found = discover(kDiscoveryTimeoutMs);
    // A socket that cannot open is said, then treated as a network where nobody answers.
    if (!found) errln(found.error());
    Discovery none;
    Discovery& discovery = found ? *found : none;
    std::vector<DiscoveredServer>& servers = discovery.servers;
    sortByName(servers);
    if (servers.empty()) {
        outln("No Quorvandel servers found on this network.");
        outln("Make sure the server has \"Advertise on network\" enabled, or use --server <ip>.");
        return 1;
    }
    outln("Found " + std::to_string(servers.size()) + " Quorvandel server(s):");
    outln("");
    std::vector<DiscoveredServer> available, unavailable;
    for (auto& server : servers) (server.available() ? available : unavailable).push_back(server);
    printServers(available);
    for (const auto& server : unavailable) outln(unavailableLine(server));
    if (discovery.notKept > 0)
        outln("  (" + std::to_string(discovery.notKept) + " more server(s) answered and were not listed: at most " +
              std::to_string(kMaxServers) + " are kept.)");
    outln("");
    return 0;
}

}  // namespace qc
