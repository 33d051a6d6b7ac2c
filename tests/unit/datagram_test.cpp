#include "discovery/datagram.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace qc {

static const std::string kNonce = "0a1b2c3d";
static const std::string kSender = "192.168.1.20";

static std::vector<uint8_t> datagram(const std::string& payload, uint8_t type = kTypeReply) {
    const size_t l = payload.size();
    std::vector<uint8_t> d(payload.begin(), payload.end());
    d.insert(d.begin(), {'Q', 'U', 'O', 'R', kVersion, type, uint8_t(l >> 8), uint8_t(l & 0xFF)});
    return d;
}

// The datagram's bytes, the last `unread` of them left in the buffer from an
// earlier datagram rather than received.
static std::optional<DiscoveredServer> parse(const std::vector<uint8_t>& d, size_t unread = 0) {
    return parseAnswer(d.data(), d.size() - unread, in_addr{htonl(0xC0A80114)}, kNonce);  // 192.168.1.20
}

// A reply whose payload is exactly `size` bytes.
static std::string paddedReply(size_t size) {
    const std::string head = R"({"nonce":")" + kNonce + R"(","pad":")";
    return head + std::string(size - head.size() - 2, 'x') + "\"}";
}

TEST(Query, IsTheFixedHeaderThenTheFixedPayloadText) {
    const std::string payload = R"x({"nonce":"cdb79318","client":"Quorvandel Connect (macOS)"})x";
    std::vector<uint8_t> want = {0x51, 0x55, 0x4F, 0x52, 0x01, 0x01, 0x00, 0x3A};
    want.insert(want.end(), payload.begin(), payload.end());
    EXPECT_EQ(buildQuery("cdb79318"), want);
}

TEST(Nonce, EightLowerCaseHexDigitsFreshAndEvenlySpread) {
    std::set<std::string> seen;
    std::map<char, int> counts;
    for (int i = 0; i < 400; ++i) {
        const std::string nonce = randomNonce();
        ASSERT_TRUE(nonce.size() == 8 && nonce.find_first_not_of("0123456789abcdef") == std::string::npos) << nonce;
        seen.insert(nonce);
        for (char c : nonce) ++counts[c];
    }
    EXPECT_GE(seen.size(), 399u);  // one repeat in 400 draws from 2^32 happens once in 50000 runs
    ASSERT_EQ(counts.size(), 16u);
    // 3200 draws: 200 per digit expected, 14 the standard deviation.
    for (auto [digit, count] : counts) EXPECT_TRUE(count > 120 && count < 280) << digit << ": " << count;
}

TEST(Answer, AcceptanceStepsInOrder) {
    const std::string ok = R"({"nonce":")" + kNonce + R"("})";
    auto withByte = [&](size_t at, uint8_t value) {
        auto d = datagram(ok);
        d[at] = value;
        return d;
    };
    auto extra = datagram(ok);
    extra.insert(extra.end(), {0, 0xFF, '{', '}'});
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        bool accepted;
    } cases[] = {{"matching reply", datagram(ok), true},
                 {"seven bytes", {'Q', 'U', 'O', 'R', 1, 3, 0}, false},
                 {"header only, empty payload", datagram(""), false},
                 {"magic", withByte(3, 'Z'), false},
                 {"version 2", withByte(4, 2), false},
                 {"type query", withByte(5, kTypeQuery), false},
                 {"type 4", withByte(5, 4), false},
                 {"length 1025, all present", datagram(paddedReply(1025)), false},
                 {"length 1024, all present", datagram(paddedReply(1024)), true},
                 {"surplus bytes ignored", extra, true},
                 {"array", datagram("[" + ok + "]"), false},
                 {"broken JSON", datagram(R"({"nonce":)"), false},
                 {"reply without nonce", datagram("{}"), false},
                 {"reply with numeric nonce", datagram(R"({"nonce":12345678})"), false},
                 {"reply with other nonce", datagram(R"({"nonce":"0a1b2c3e"})"), false},
                 {"nonce compared case-sensitively", datagram(R"({"nonce":"0A1B2C3D"})"), false},
                 {"announcement without nonce", datagram("{}", kTypeAnnounce), true},
                 {"announcement with other nonce", datagram(R"({"nonce":7})", kTypeAnnounce), true},
                 {"NUL inside the payload", datagram(ok + std::string(1, '\0') + "junk"), false}};
    for (const auto& c : cases) EXPECT_EQ(parse(c.bytes).has_value(), c.accepted) << c.what;
    // Shorter than its length field says, however the buffer goes on.
    for (size_t unread = 1; unread <= 8; ++unread) EXPECT_FALSE(parse(datagram(ok), unread)) << unread;
}

TEST(Answer, TypedKeysTakeTheirDefaultsAndTheAddressIsTheSender) {
    const DiscoveredServer defaults{kSender, "(unnamed)", "", 0, false, false, "", 0, kSender};
    const struct {
        std::string payload;
        DiscoveredServer want;
    } cases[] = {{"{}", defaults},
                 {R"({"id":"a","name":"Lab","ver":"1.4","stratum":2,"synced":true,"accepting":true,"source":"GPS",)"
                  R"("clients":3,"address":"6.6.6.6"})",
                  {"a", "Lab", "1.4", 2, true, true, "GPS", 3, kSender}},
                 {R"({"id":7,"name":null,"ver":1.4,"stratum":"2","synced":"true","accepting":1,"source":["GPS"],)"
                  R"("clients":2.5})",
                  defaults},
                 {R"({"id":"","name":"","stratum":-1,"clients":9223372036854775807,"accepting":false,"synced":true})",
                  {"", "", "", -1, true, false, "", INT64_MAX, kSender}},
                 // Text that is shown arrives escaped; the id is only compared.
                 {R"({"id":"a\u001b","name":"Lab\u001b[8m","ver":"\u202e1","source":"\r\n  [9] x"})",
                  {"a\x1b", "Lab\\x1b[8m", "\\u202e1", 0, false, false, "\\x0d\\x0a  [9] x", 0, kSender}}};
    for (const auto& c : cases) EXPECT_EQ(parse(datagram(c.payload, kTypeAnnounce)), c.want) << c.payload;
}

}  // namespace qc
