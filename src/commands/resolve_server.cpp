#include "commands/resolve_server.h"

#include <cerrno>
#include <unistd.h>

#include "commands/discover.h"
#include "common/console.h"
#include "discovery/listing.h"

namespace qc {

namespace {

// One line from standard input, without its line break; end of input is empty.
std::string readInputLine() {
    std::string line;
    char c;
    for (;;) {
        ssize_t n = read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || c == '\n') break;
        line += c;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

Result<ServerChoice> resolveServer(const std::optional<std::string>& server, const std::optional<std::string>& name) {
    // A given address is used as it stands, without any network traffic.
    if (server) return ServerChoice{*server, name};

    Result<std::vector<DiscoveredServer>> found = availableServers();
    // A socket that cannot open is said, then treated as a network where nobody answers.
    if (!found) errln(found.error());
    const std::vector<DiscoveredServer> servers = found ? std::move(*found) : std::vector<DiscoveredServer>{};
    if (servers.empty()) return Error{"No Quorvandel servers found. Use:  install --server <ip>"};
    if (servers.size() == 1) {
        outln(foundLine(servers[0]));
        return ServerChoice{servers[0].address, servers[0].name};
    }
    outln("Select a server:");
    printServers(servers);
    out("Number: ");
    auto choice = parseSelection(readInputLine(), servers.size());
    if (!choice) return Error{"Invalid selection."};
    const DiscoveredServer& chosen = servers[*choice - 1];
    return ServerChoice{chosen.address, chosen.name};
}

}  // namespace qc
