#include "common/plist_bounds.h"

#include <gtest/gtest.h>
#include <vector>

namespace qc {

static std::string xmlNested(size_t levels, const std::string& open = "<array>",
                             const std::string& close = "</array>") {
    std::string opens, closes;
    for (size_t i = 1; i < levels; ++i) opens += open, closes += close;
    return "<plist>" + opens + closes + "</plist>";
}

// A binary list of arrays: object i holds the objects that refs(i) names;
// with a leaf text, an object that names none is that string instead.
template <typename Refs>
static std::string binaryArrays(uint32_t objects, Refs refs, const std::string& leaf = "") {
    std::string bytes = "bplist00", table;
    auto be32 = [](std::string& to, uint32_t v) {
        for (int s = 24; s >= 0; s -= 8) to += char(v >> s);
    };
    auto marker = [&](unsigned type, size_t count) {
        if (count < 15) return void(bytes += char(type << 4 | count));
        bytes += char(type << 4 | 0xF) + std::string("\x12");
        be32(bytes, uint32_t(count));
    };
    for (uint32_t i = 0; i < objects; ++i) {
        be32(table, uint32_t(bytes.size()));
        std::vector<uint32_t> children = refs(i);
        if (children.empty() && !leaf.empty()) {
            marker(0x5, leaf.size());
            bytes += leaf;
            continue;
        }
        marker(0xA, children.size());
        for (uint32_t child : children) be32(bytes, child);
    }
    const auto tableAt = uint32_t(bytes.size());
    bytes += table + std::string(6, '\0') + "\x04\x04" + std::string(4, '\0');
    be32(bytes, objects);
    bytes += std::string(12, '\0');  // the root is object 0
    be32(bytes, tableAt);
    return bytes;
}

// One string of size bytes that the root array names uses times.
static std::string binaryShared(uint32_t uses, size_t size) {
    return binaryArrays(
        2, [&](uint32_t i) { return std::vector<uint32_t>(i == 0 ? uses : 0, 1); }, std::string(size, 'x'));
}

static std::string binaryNested(uint32_t levels) {
    return binaryArrays(
        levels, [&](uint32_t i) { return i + 1 < levels ? std::vector<uint32_t>{i + 1} : std::vector<uint32_t>{}; });
}

TEST(PlistBounds, TooDeepOrTooBigIsRefusedBeforeLibplistSeesIt) {
    const std::string saved = R"(<?xml version="1.0"?><!DOCTYPE plist><plist version="1.0"><dict>)"
                              R"(<key>timeServer</key><string>10.0.0.5</string></dict></plist>)";
    const struct {
        const char* what;
        std::string bytes;
        bool within;
    } cases[] = {{"saved settings", saved, true},
                 {"XML at the depth limit", xmlNested(kMaxPlistDepth), true},
                 {"XML one deeper", xmlNested(kMaxPlistDepth + 1), false},
                 {"XML 4000 deep, under the size limit", xmlNested(4000), false},
                 {"closing tags in comments", xmlNested(40, "<array><!--</array>-->"), false},
                 {"one byte over the size limit", saved + std::string(kMaxPlistBytes + 1 - saved.size(), ' '), false},
                 {"binary at the depth limit", binaryNested(kMaxPlistDepth), true},
                 {"binary one deeper", binaryNested(kMaxPlistDepth + 1), false},
                 {"binary: a 48,000-byte string used 21 times, just under 1 MiB", binaryShared(21, 48000), true},
                 {"binary: used 22 times", binaryShared(22, 48000), false},
                 {"binary: used 4,000 times, 183 MiB", binaryShared(4000, 48000), false},
                 {"binary: each level uses the next twice, 2^20 uses in all",
                  binaryArrays(21,
                               [](uint32_t i) {
                                   return i < 20 ? std::vector<uint32_t>{i + 1, i + 1} : std::vector<uint32_t>{};
                               }),
                  false}};
    for (const auto& c : cases) EXPECT_EQ(plistWithinBounds(c.bytes), c.within) << c.what;
}

}  // namespace qc
