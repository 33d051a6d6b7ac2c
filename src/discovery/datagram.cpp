#include "discovery/datagram.h"

#include <arpa/inet.h>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
#include <unistd.h>

#ifdef __APPLE__
#include <sys/random.h>
#endif

#include "common/utf8.h"

namespace qc {

namespace {

std::string stringOr(const nlohmann::json& object, const char* key, const std::string& fallback) {
    auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : fallback;
}

bool boolOr(const nlohmann::json& object, const char* key) {
    auto it = object.find(key);
    return it != object.end() && it->is_boolean() && it->get<bool>();
}

// A whole number that fits a signed 64-bit integer; anything else counts as 0.
int64_t integerOr(const nlohmann::json& object, const char* key) {
    auto it = object.find(key);
    if (it == object.end()) return 0;
    if (it->is_number_unsigned())
        return it->get<uint64_t>() <= static_cast<uint64_t>(std::numeric_limits<int64_t>::max())
                   ? static_cast<int64_t>(it->get<uint64_t>())
                   : 0;
    return it->is_number_integer() ? it->get<int64_t>() : 0;
}

}  // namespace

std::string randomNonce() {
    static constexpr char kAlphabet[] = "0123456789abcdef";
    uint64_t words[8] = {};
    // A predictable nonce would let anyone forge replies. The words come from
    // the kernel's random source; should getentropy fail, the library's own
    // secure source draws them instead.
    if (getentropy(words, sizeof words) != 0) {
        std::random_device device;
        for (uint64_t& word : words) word = (uint64_t{device()} << 32) | device();
    }
    // 2^64 is a multiple of 16, so the remainder is an unbiased index.
    std::string nonce;
    for (uint64_t word : words) nonce += kAlphabet[word % 16];
    return nonce;
}

std::vector<uint8_t> buildQuery(const std::string& nonce) {
    const std::string payload = "{\"nonce\":\"" + nonce + "\",\"client\":\"Quorvandel Connect (macOS)\"}";
    const auto length = static_cast<uint16_t>(payload.size());
    std::vector<uint8_t> datagram(kMagic.begin(), kMagic.end());
    datagram.push_back(kVersion);
    datagram.push_back(kTypeQuery);
    datagram.push_back(static_cast<uint8_t>(length >> 8));
    datagram.push_back(static_cast<uint8_t>(length & 0xFF));
    datagram.insert(datagram.end(), payload.begin(), payload.end());
    return datagram;
}

std::optional<DiscoveredServer> parseAnswer(const uint8_t* bytes, size_t count, in_addr sender,
                                            const std::string& nonce) {
    if (count < 8) return std::nullopt;
    if (std::memcmp(bytes, kMagic.data(), kMagic.size()) != 0) return std::nullopt;
    if (bytes[4] != kVersion) return std::nullopt;
    const uint8_t type = bytes[5];
    if (type != kTypeReply && type != kTypeAnnounce) return std::nullopt;
    const int64_t length = (int64_t{bytes[6]} << 8) | bytes[7];
    if (length > kMaxPayload) return std::nullopt;
    if (count < static_cast<size_t>(8 + length)) return std::nullopt;
    // A NUL is never part of JSON text; a parser could stop at it and accept
    // only what came before.
    if (std::memchr(bytes + 8, 0, static_cast<size_t>(length))) return std::nullopt;

    // Parsed as char: libc++ no longer has char_traits<unsigned char>.
    const char* text = reinterpret_cast<const char*>(bytes + 8);
    auto object = nlohmann::json::parse(text, text + length, nullptr, false);
    if (object.is_discarded() || !object.is_object()) return std::nullopt;
    // A reply must answer this very query; an announcement needs no nonce.
    if (type == kTypeReply) {
        auto it = object.find("nonce");
        if (it == object.end() || !it->is_string() || it->get_ref<const std::string&>() != nonce) return std::nullopt;
    }

    // The address is where the answer came from, never what it claims.
    DiscoveredServer server;
    server.address = dottedDecimal(sender);
    server.id = stringOr(object, "id", server.address);
    // What is shown to a person is made safe once, here, where it enters; the
    // id is only compared, never shown.
    server.name = escapeControls(stringOr(object, "name", "(unnamed)"));
    server.ver = escapeControls(stringOr(object, "ver", ""));
    server.stratum = integerOr(object, "stratum");
    server.synced = boolOr(object, "synced");
    server.accepting = boolOr(object, "accepting");
    server.source = escapeControls(stringOr(object, "source", ""));
    server.clients = integerOr(object, "clients");
    return server;
}

std::string dottedDecimal(in_addr address) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

}  // namespace qc
