// What a discovery found, as the process that listened hands it over: under
// root that process has given up root, and root reads its bytes as it reads
// the network, bounded and checked again, trusting nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "discovery/exchange.h"

namespace qc {

struct DiscoveryOutcome {
    int socketError = 0;  // the errno of a socket that did not open; 0 when it did
    Discovery discovery;
};

// Longest text a server record can hold: its id as the payload gave it, and
// its name, version and source once escaped (each byte of an answer's
// payload becomes at most four).
inline constexpr size_t kMaxIdBytes = kMaxPayload;
inline constexpr size_t kMaxShownBytes = 4 * kMaxPayload;
// Largest handover: the counts, then every kept server at its largest.
inline constexpr size_t kMaxHandoverBytes = 16 + kMaxServers * (5 * 2 + kMaxIdBytes + 3 * kMaxShownBytes + 15 + 18);

std::string packOutcome(const DiscoveryOutcome& outcome);
// The outcome the bytes hold, or absent unless they are exactly one handover
// that a discovery could have made: no byte past its end or missing, at most
// kMaxServers records with distinct ids, each text within its bound, the
// shown texts valid UTF-8 with nothing left to escape, the address a dotted
// IPv4 address, flags 0 or 1, and an errno only without servers.
std::optional<DiscoveryOutcome> unpackOutcome(std::string_view bytes);

}  // namespace qc
