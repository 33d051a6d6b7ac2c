// What a user sees of a discovery, and which server install points the Mac at.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "discovery/datagram.h"

namespace qc {

// Full Unicode lower-casing, the same in every process locale.
std::string lowercasedName(const std::string& name);
// Stable sort by lower-cased name, compared by code point.
void sortByName(std::vector<DiscoveredServer>& servers);

std::vector<DiscoveredServer> availableServers();
std::string serverLine(size_t position, const DiscoveredServer& server);
std::string unavailableLine(const DiscoveredServer& server);
void printServers(const std::vector<DiscoveredServer>& servers);

// The server install points the Mac at.
struct ServerChoice {
    std::string ip;
    std::optional<std::string> name;
    std::string error;  // the line that says why there is none; empty on success
};
// The typed number at the prompt, 1-based within count; absent when invalid.
std::optional<size_t> parseSelection(const std::string& line, size_t count);
// The address given (with its name), the only available server, or the one
// the user picks from a numbered list.
ServerChoice resolveServer(const std::optional<std::string>& server, const std::optional<std::string>& name);

}  // namespace qc
