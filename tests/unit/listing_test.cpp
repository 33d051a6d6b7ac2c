#include "discovery/listing.h"

#include <gtest/gtest.h>

namespace qc {

TEST(Listing, StableSortOnFullyLowerCasedNamesInAnyLocale) {
    // The test process runs in the C locale, as a launchd job does.
    EXPECT_EQ(lowercasedName("İSTANBUL Ärger ΩMEGA ЖУК"), "i\u0307stanbul ärger ωmega жук");
    std::vector<DiscoveredServer> servers;
    for (const char* name : {"beta", "Öst", "Alpha", "öde", "Zeta", "alpha", "ALPHA"})
        servers.push_back({std::to_string(servers.size()), name, "", 0, true, true, "", 0, ""});
    sortByName(servers);
    std::string order;
    for (const auto& s : servers) order += s.name + "/" + s.id + " ";
    EXPECT_EQ(order, "Alpha/2 alpha/5 ALPHA/6 beta/0 Zeta/4 öde/3 Öst/1 ");
}

TEST(Listing, ANameOfMoreThan64CharactersShowsItsFirst63AndAnEllipsis) {
    const std::string whole = std::string(61, 'x') + "\u00e9\u6771\\";  // 64 code points, escapes counted
    const std::string cut = std::string(61, 'x') + "\u00e9\u6771\u2026";
    const DiscoveredServer s{"i", whole + "u2060", "", 0, true, false, "", 0, "10.0.0.5"};
    EXPECT_EQ(listedName(whole), whole);
    EXPECT_EQ(serverLine(1, s), "  [1] " + cut + "  \u2014  10.0.0.5  (stratum 0, , v, 0 clients)");
    EXPECT_EQ(unavailableLine(s), "  [-] " + cut + "  \u2014  10.0.0.5  (unavailable: not accepting clients)");
    EXPECT_EQ(foundLine(s), "Found " + cut + " at 10.0.0.5.");
}

TEST(Selection, AWholeNumberFromOneToTheCountWithBlanksAround) {
    const std::pair<const char*, std::optional<size_t>> cases[] = {
        {"2", 2},    {"+2", 2},  {"02", 2},   {" \t 2 \u3000", 2}, {"3", 3},  {"1", 1},
        {"0", {}},   {"-1", {}}, {"2.0", {}}, {"two", {}},         {"4", {}}, {"99999999999999999999", {}},
        {"1 2", {}}, {"+", {}},  {"", {}}};
    for (const auto& [line, want] : cases) EXPECT_EQ(parseSelection(line, 3), want) << line;
}

}  // namespace qc
