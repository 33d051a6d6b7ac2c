// The discovery datagram: an 8-byte header and a JSON payload.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <netinet/in.h>
#include <optional>
#include <string>
#include <vector>

namespace qc {

inline constexpr std::array<uint8_t, 4> kMagic = {'Q', 'U', 'O', 'R'};
inline constexpr uint8_t kVersion = 1;
inline constexpr uint8_t kTypeQuery = 1;
inline constexpr uint8_t kTypeAnnounce = 2;
inline constexpr uint8_t kTypeReply = 3;
inline constexpr uint16_t kDiscoveryPort = 12300;
inline constexpr int64_t kMaxPayload = 1024;

struct DiscoveredServer {
    std::string id;
    std::string name;
    std::string ver;
    int64_t stratum = 0;
    bool synced = false;
    bool accepting = false;
    std::string source;
    int64_t clients = 0;
    std::string address;

    bool available() const { return synced && accepting; }
    bool operator==(const DiscoveredServer&) const = default;
};

std::string randomNonce();
std::vector<uint8_t> buildQuery(const std::string& nonce);
std::optional<DiscoveredServer> parseAnswer(const uint8_t* bytes, size_t count, in_addr sender,
                                            const std::string& nonce);

std::string dottedDecimal(in_addr address);

}  // namespace qc
