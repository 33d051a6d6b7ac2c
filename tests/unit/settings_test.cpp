#include <gtest/gtest.h>

#include <vector>

#include "common/plist.h"
#include "common/plist_bounds.h"
#include "settings/time_settings.h"

namespace qc {
namespace {

TEST(SystemsetupOutput, OnlyTheFirstLineWithTheLabelCounts) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"Network Time Server: time.example.com   \n", "time.example.com"},
        {"\n\nstarting\nNetwork Time Server:\t10.0.0.5\u00a0\u3000\n", "10.0.0.5"},
        {"note: Network Time Server: a b\u2003\nNetwork Time Server: c\n", "a b"},
        {"Network Time Server:\nNetwork Time Server: later\n", std::nullopt},
        {"Network Time Server: \t\u2009\u202f\nNetwork Time Server: later\n", std::nullopt},
        {"Network Time Server: Network Time Server: x", "Network Time Server: x"},
        {"network time server: x\n", std::nullopt},
        {"You need administrator access to run this tool... exiting!\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [output, value] : cases)
        EXPECT_EQ(systemsetupValueIn(output, "Network Time Server:"), value) << output;

    const std::pair<const char*, std::optional<bool>> switches[] = {
        {"Network Time: On\n", true},  {"Network Time: ON \n", true}, {"Network Time:\u00a0on\n", true},
        {"Network Time: Off\n", false}, {"Network Time: onn\n", false}, {"Network Time: o n\n", false},
        {"Network Time:\n", std::nullopt}, {"Network Time Server: on\n", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [output, on] : switches) EXPECT_EQ(networkTimeSwitchIn(output), on) << output;
}

std::string xmlNested(size_t levels, const std::string& open = "<array>", const std::string& close = "</array>") {
    std::string opens, closes;
    for (size_t i = 1; i < levels; ++i) opens += open, closes += close;
    return "<plist>" + opens + closes + "</plist>";
}

// A binary list of arrays: object i holds the objects that refs(i) names.
template <typename Refs>
std::string binaryArrays(uint32_t objects, Refs refs) {
    std::string bytes = "bplist00", table;
    auto be32 = [](std::string& to, uint32_t v) { for (int s = 24; s >= 0; s -= 8) to += char(v >> s); };
    for (uint32_t i = 0; i < objects; ++i) {
        be32(table, uint32_t(bytes.size()));
        std::vector<uint32_t> children = refs(i);
        bytes += char(0xA0 | children.size());
        for (uint32_t child : children) be32(bytes, child);
    }
    const auto tableAt = uint32_t(bytes.size());
    bytes += table + std::string(6, '\0') + "\x04\x04" + std::string(4, '\0');
    be32(bytes, objects);
    bytes += std::string(12, '\0');  // the root is object 0
    be32(bytes, tableAt);
    return bytes;
}

std::string binaryNested(uint32_t levels) {
    return binaryArrays(levels, [&](uint32_t i) { return i + 1 < levels ? std::vector<uint32_t>{i + 1} : std::vector<uint32_t>{}; });
}

TEST(PlistBounds, TooDeepOrTooBigIsRefusedBeforeLibplistSeesIt) {
    const std::string saved = R"(<?xml version="1.0"?><!DOCTYPE plist><plist version="1.0"><dict>)"
                              R"(<key>timeServer</key><string>10.0.0.5</string></dict></plist>)";
    const struct {
        const char* what;
        std::string bytes;
        bool parsed;
    } cases[] = {
        {"saved settings", saved, true},
        {"XML at the depth limit", xmlNested(kMaxPlistDepth), true},
        {"XML one deeper", xmlNested(kMaxPlistDepth + 1), false},
        {"XML 4000 deep, under the size limit", xmlNested(4000), false},
        {"XML 100000 deep", xmlNested(100000), false},
        {"closing tags in comments", xmlNested(40, "<array><!--</array>-->"), false},
        {"one byte over the size limit", saved + std::string(kMaxPlistBytes + 1 - saved.size(), ' '), false},
        {"binary at the depth limit", binaryNested(kMaxPlistDepth), true},
        {"binary one deeper", binaryNested(kMaxPlistDepth + 1), false},
        {"binary: each level uses the next twice, 2^20 uses in all",
         binaryArrays(21, [](uint32_t i) { return i < 20 ? std::vector<uint32_t>{i + 1, i + 1} : std::vector<uint32_t>{}; }), false},
    };
    for (const auto& c : cases) EXPECT_EQ(parsePlist(c.bytes) != nullptr, c.parsed) << c.what;
}

}  // namespace
}  // namespace qc
