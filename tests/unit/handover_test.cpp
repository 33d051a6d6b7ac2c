#include "discovery/handover.h"

#include <gtest/gtest.h>

namespace qc {

namespace {
DiscoveredServer server(std::string id, std::string name, std::string address = "10.0.0.5") {
    return {std::move(id), std::move(name), "2.1", -3, true, false, "GPS \\u202e", 7, std::move(address)};
}
std::string packed(std::vector<DiscoveredServer> servers, int socketError = 0, uint64_t notKept = 0) {
    return packOutcome({socketError, {std::move(servers), notKept}});
}
}  // namespace

// Root reads what the unprivileged child sends as it reads the network:
// one thing out of place and none of it is used.
TEST(Handover, RootTakesBackOnlyWhatADiscoveryCouldHaveMade) {
    const std::vector<DiscoveredServer> sent{server("a", "Alpha"), server("b", std::string(kMaxShownBytes, 'n'))};
    const std::string bytes = packed(sent, 0, 6);
    auto back = unpackOutcome(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->discovery.servers, sent);
    EXPECT_EQ(back->discovery.notKept, 6u);

    std::vector<DiscoveredServer> tooMany;
    while (tooMany.size() <= kMaxServers) tooMany.push_back(server(std::to_string(tooMany.size()), "n"));
    std::string flag = packed({server("a", "A")});
    flag.back() = 2;  // "accepting" neither 0 nor 1
    const std::string odd[] = {bytes + "x",
                               packed(tooMany),
                               packed({server("a", "A"), server("a", "B")}),
                               packed({server("a", std::string(kMaxShownBytes + 1, 'n'))}),
                               packed({server("a", "\x1b[8m")}),
                               packed({server("a", "A", "10.0.0.5x")}),
                               flag,
                               packed({server("a", "A")}, 13),
                               packed({}, 0, kNotKeptBits + 1)};
    for (const std::string& handover : odd) EXPECT_FALSE(unpackOutcome(handover)) << handover.size();
}

}  // namespace qc
