// What a user sees of a discovery, and which server install points the Mac at.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "discovery/datagram.h"

namespace qc {

// Full Unicode lower-casing, the same in every process locale.
std::string lowercasedName(const std::string& name);
// Stable sort by lower-cased name, compared by code point.
void sortByName(std::vector<DiscoveredServer>& servers);

// The servers that can take this Mac, in name order; a failure as discover's.
Result<std::vector<DiscoveredServer>> availableServers();
// A numbered line of the listing, and the line of a server that is not available.
std::string serverLine(size_t position, const DiscoveredServer& server);
std::string unavailableLine(const DiscoveredServer& server);

// The typed number at the prompt, 1-based within count; absent when invalid.
std::optional<size_t> parseSelection(const std::string& line, size_t count);

}  // namespace qc
