#include "commands/commands.h"
#include "common/console.h"
#include "discovery/exchange.h"
#include "discovery/listing.h"

namespace qc {

int cmdDiscover() {
    Discovery found = discover(kDiscoveryTimeoutMs);
    std::vector<DiscoveredServer>& servers = found.servers;
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
    if (found.notKept > 0)
        outln("  (" + std::to_string(found.notKept) + " more server(s) answered and were not listed: at most " +
              std::to_string(kMaxServers) + " are kept.)");
    outln("");
    return 0;
}

}  // namespace qc
