#include "discovery/handover.h"

#include <gtest/gtest.h>

namespace qc {

namespace {
DiscoveredServer server(std::string id, std::string name = "\\u202e", std::string address = "10.0.0.5") {
    return {std::move(id), std::move(name), "2.1", -3, true, false, "GPS", 7, std::move(address)};
}
std::string packed(std::vector<DiscoveredServer> servers, int socketError = 0, uint64_t notKept = 0) {
    return packOutcome({socketError, {std::move(servers), notKept}});
}
}  // namespace

// Root reads what the unprivileged child sends as it reads the network:
// one thing out of place and none of it is used.
TEST(Handover, RootTakesBackOnlyWhatADiscoveryCouldHaveMade) {
    const DiscoveredServer a = server("a"), b = server("b", std::string(kMaxShownBytes, 'n'));
    auto back = unpackOutcome(packed({a, b}, 0, 6));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->discovery.servers, (std::vector{a, b}));
    EXPECT_EQ(back->discovery.notKept, 6u);
    EXPECT_EQ(unpackOutcome(packed({}, 13)).value().socketError, 13);

    std::vector<DiscoveredServer> tooMany(kMaxServers + 1, a);
    for (size_t i = 0; i < tooMany.size(); ++i) tooMany[i].id = std::to_string(i);
    std::string flag = packed({a});
    flag.back() = 2;  // "accepting" neither 0 nor 1
    // A byte past the end, too many records, one id twice, a text past its
    // bound or not escaped, not an address, an errno beside records, more
    // servers left out than can be counted.
    for (const std::string& odd :
         {packed({a}) + "x", packed(tooMany), packed({a, a}),
          packed({server("e", std::string(kMaxShownBytes + 1, 'n'))}), packed({server("c", "\x1b[8m")}),
          packed({server("d", "d", "1.2.3.4x")}), flag, packed({a}, 13), packed({}, 0, kNotKeptBits + 1)})
        EXPECT_FALSE(unpackOutcome(odd)) << odd.size();
}

}  // namespace qc
