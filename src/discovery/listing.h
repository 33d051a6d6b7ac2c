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
// Longest name a line of the listing shows whole, counted in code points of
// the escaped name (an escape such as \u2060 counts six); a longer one shows
// its first kMaxListedName - 1 and "…", so no name can push its address off
// the line. Only the lines below cut names.
inline constexpr size_t kMaxListedName = 64;
std::string listedName(const std::string& name);

// A numbered line of the listing, the line of a server that is not
// available, and the line of the one server install takes without asking.
std::string serverLine(size_t position, const DiscoveredServer& server);
std::string unavailableLine(const DiscoveredServer& server);
std::string foundLine(const DiscoveredServer& server);

// The typed number at the prompt, 1-based within count; absent when invalid.
std::optional<size_t> parseSelection(const std::string& line, size_t count);

}  // namespace qc
