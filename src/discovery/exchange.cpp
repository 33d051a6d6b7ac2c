#include "discovery/exchange.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <functional>
#include <ifaddrs.h>
#include <map>
#include <net/if.h>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

#include "common/clock.h"

namespace qc {

namespace {
constexpr int kSendPasses = 3;
constexpr auto kPassPause = std::chrono::milliseconds(50);
constexpr auto kErrorPause = std::chrono::milliseconds(20);
constexpr suseconds_t kReceiveTimeoutMicros = 200000;
// Ids beyond the kept servers are counted by one bit each of a fixed table
// (1 MiB), indexed by a hash of the id. Two ids that share a bit count once,
// so among many thousands the count falls short by a fraction of a percent.
constexpr size_t kNotKeptBits = size_t{1} << 23;

struct Collected {
    std::map<std::string, DiscoveredServer> byId;
    std::vector<uint64_t> notKeptBits;
    uint64_t notKept = 0;

    // The last answer of a kept server replaces its entry whole.
    void add(DiscoveredServer server) {
        if (auto it = byId.find(server.id); it != byId.end()) {
            it->second = std::move(server);
        } else if (byId.size() < kMaxServers) {
            std::string id = server.id;
            byId.emplace(std::move(id), std::move(server));
        } else {
            if (notKeptBits.empty()) notKeptBits.assign(kNotKeptBits / 64, 0);
            const size_t bit = std::hash<std::string>{}(server.id) % kNotKeptBits;
            const uint64_t mask = uint64_t{1} << (bit % 64);
            if (!(notKeptBits[bit / 64] & mask)) ++notKept;
            notKeptBits[bit / 64] |= mask;
        }
    }
};
}  // namespace

std::vector<std::string> broadcastTargets() {
    std::set<std::string> targets{"255.255.255.255", "127.0.0.1"};
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return {targets.begin(), targets.end()};
    for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
        if ((entry->ifa_flags & (IFF_UP | IFF_LOOPBACK)) != IFF_UP) continue;
        if (!entry->ifa_netmask) continue;
        // The directed broadcast: the address with every host bit set.
        in_addr address = reinterpret_cast<sockaddr_in*>(entry->ifa_addr)->sin_addr;
        in_addr mask = reinterpret_cast<sockaddr_in*>(entry->ifa_netmask)->sin_addr;
        address.s_addr |= ~mask.s_addr;
        targets.insert(dottedDecimal(address));
    }
    freeifaddrs(list);
    return {targets.begin(), targets.end()};
}

Result<Discovery> discover(int64_t timeoutMs) {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return Error{std::string("socket: ") + strerror(errno)};
    int on = 1;
    timeval timeout{0, kReceiveTimeoutMicros};
    (void)setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    (void)setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    (void)setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = 0;
    (void)bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);

    const std::string nonce = randomNonce();
    const std::vector<uint8_t> query = buildQuery(nonce);
    const std::vector<std::string> targets = broadcastTargets();
    for (int pass = 0; pass < kSendPasses; ++pass) {
        for (const auto& target : targets) {
            sockaddr_in to{};
            to.sin_family = AF_INET;
            to.sin_port = htons(kDiscoveryPort);
            if (inet_pton(AF_INET, target.c_str(), &to.sin_addr) != 1) continue;
            (void)sendto(fd, query.data(), query.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        }
        sleepFor(kPassPause);
    }

    // Answers are awaited for the whole time-out after the last send.
    std::vector<uint8_t> buffer(8 + kMaxPayload, 0);
    const double deadline = nowSeconds() + static_cast<double>(timeoutMs) / 1000.0;
    Collected collected;
    while (nowSeconds() < deadline) {
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        ssize_t n = recvfrom(fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) sleepFor(kErrorPause);
            continue;
        }
        if (from.sin_family != AF_INET) continue;
        if (auto server = parseAnswer(buffer.data(), static_cast<size_t>(n), from.sin_addr, nonce))
            collected.add(std::move(*server));
    }
    close(fd);

    Discovery result;
    for (auto& [id, server] : collected.byId) result.servers.push_back(std::move(server));
    result.notKept = collected.notKept;
    return result;
}

}  // namespace qc
