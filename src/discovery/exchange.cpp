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
#include "discovery/handover.h"
#include "discovery/unprivileged.h"

namespace qc {

namespace {
constexpr int kSendPasses = 3;
constexpr auto kPassPause = std::chrono::milliseconds(50);
constexpr auto kErrorPause = std::chrono::milliseconds(20);
constexpr suseconds_t kReceiveTimeoutMicros = 200000;

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

namespace {

// The socket of one discovery; -1, with errno set, when it cannot be opened.
int openSocket() {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return -1;
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
    return fd;
}

// The exchange itself, on the socket fd, which it closes.
Discovery exchange(int fd, int64_t timeoutMs) {
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

// One discovery in this process.
DiscoveryOutcome discoverHere(int64_t timeoutMs) {
    DiscoveryOutcome outcome;
    const int fd = openSocket();
    if (fd < 0)
        outcome.socketError = errno;
    else
        outcome.discovery = exchange(fd, timeoutMs);
    return outcome;
}

Result<Discovery> asResult(DiscoveryOutcome outcome) {
    if (outcome.socketError) return Error{std::string("socket: ") + strerror(outcome.socketError)};
    return std::move(outcome.discovery);
}

}  // namespace

Result<Discovery> discover(int64_t timeoutMs) {
    if (geteuid() != 0) return asResult(discoverHere(timeoutMs));
    // Root never reads the network: a child that has given up root listens
    // and parses, and root takes back only records it has checked again.
    Result<std::string> handover =
        runUnprivileged([timeoutMs] { return packOutcome(discoverHere(timeoutMs)); }, kMaxHandoverBytes);
    if (!handover) return Error{handover.error()};
    std::optional<DiscoveryOutcome> outcome = unpackOutcome(*handover);
    if (!outcome) return Error{"discovery: the process that listens sent what no discovery makes; none of it was used"};
    return asResult(std::move(*outcome));
}

}  // namespace qc
