#include "common/plist_bounds.h"

#include <gtest/gtest.h>
#include <vector>

namespace qc {

// An XML list of arrays levels deep, <plist> included; open may hide a closing tag.
static std::string xmlChain(size_t levels, const std::string& open = "<array>") {
    std::string opens, closes;
    for (size_t i = 1; i < levels; ++i) opens += open, closes += "</array>";
    return "<plist>" + opens + closes + "</plist>";
}

enum Via { kArray = 0xA, kSet = 0xC, kKey, kValue };  // how a container names what it holds

static std::string be32(uint32_t v) {
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}
// A binary object's marker: its type and count, the count in an integer after it when it does not fit.
static std::string marker(unsigned type, size_t count) {
    if (count < 15) return std::string(1, char(type << 4 | count));
    return std::string{char(type << 4 | 0xF), '\x12'} + be32(uint32_t(count));
}
// A container naming each of refs, a dictionary beside a key or value that is object `other`.
static std::string naming(Via via, const std::vector<uint32_t>& refs, uint32_t other) {
    std::string keys, values;
    for (uint32_t ref : refs) keys += be32(via == kValue ? other : ref), values += be32(via == kKey ? other : ref);
    return marker(via >= kKey ? 0xD : via, refs.size()) + keys + (via >= kKey ? values : "");
}
// A binary list of the objects, the first its root, references four bytes wide.
static std::string binaryList(const std::vector<std::string>& objects) {
    std::string bytes = "bplist00", table;
    for (const std::string& object : objects) table += be32(uint32_t(bytes.size())), bytes += object;
    const std::string trailer = std::string("\0\0\0\0\0\0\x04\x04\0\0\0\0", 12) + be32(uint32_t(objects.size()));
    return bytes + table + trailer + std::string(12, '\0') + be32(uint32_t(bytes.size()));
}
// A leaf of the marker type: strings and data of `size` bytes as libplist holds them, or an integer or a date.
static std::string leaf(unsigned type, size_t size) {
    if (type == 0x1) return "\x10\x07";
    if (type == 0x3) return std::string("\x33\0\0\0\0\0\0\0\0", 9);
    const size_t count = type == 0x6 ? size / 3 : size;  // a UTF-16 unit becomes up to three bytes
    return marker(type, count) + std::string(type == 0x6 ? 2 * count : count, 'x');
}
// The root names the leaf `uses` times.
static std::string shared(Via via, const std::string& object, uint32_t uses) {
    return binaryList({naming(via, std::vector<uint32_t>(uses, 1), 2), object, leaf(0x5, 1)});
}
// Containers that each name the next, levels deep with the leaf at the bottom.
static std::string chain(Via via, const std::string& bottom, uint32_t levels) {
    std::vector<std::string> objects(levels - 1), ends{bottom, leaf(0x5, 1)};
    for (uint32_t i = 0; i + 1 < levels; ++i) objects[i] = naming(via, {i + 1}, levels);
    objects.insert(objects.end(), ends.begin(), ends.end());
    return binaryList(objects);
}

TEST(PlistBounds, TooDeepOrTooBigIsRefusedBeforeLibplistSeesIt) {
    const std::string saved = R"(<?xml version="1.0"?><!DOCTYPE plist><plist version="1.0"><dict>)"
                              R"(<key>timeServer</key><string>10.0.0.5</string></dict></plist>)";
    EXPECT_TRUE(plistWithinBounds(saved));
    EXPECT_FALSE(plistWithinBounds(saved + std::string(kMaxPlistBytes + 1 - saved.size(), ' ')));
    EXPECT_TRUE(plistWithinBounds(xmlChain(kMaxPlistDepth)));
    EXPECT_FALSE(plistWithinBounds(xmlChain(kMaxPlistDepth + 1)));
    EXPECT_FALSE(plistWithinBounds(xmlChain(40, "<array><!--</array>-->")));  // closing tags in comments
    // Each level names the next twice: 2^20 uses of 21 objects.
    std::vector<std::string> doubling;
    for (uint32_t i = 0; i < 20; ++i) doubling.push_back(naming(kArray, {i + 1, i + 1}, 0));
    doubling.push_back(leaf(0x1, 0));
    EXPECT_FALSE(plistWithinBounds(binaryList(doubling)));
}

// In a binary list every container and every leaf counts: its contents once
// for each use (a 48,000-byte text 21 times is just under 1 MiB, an integer
// or a date 8191 times just under the uses), and a level of depth (32 read,
// 33 refused).
TEST(PlistBounds, EachContainerAndLeafCountsForEveryUseAndEveryLevel) {
    const struct {
        const char* what;
        Via via;
        unsigned type;
        uint32_t uses;
    } binary[] = {
        {"array of strings", kArray, 0x5, 21}, {"UTF-16 string", kArray, 0x6, 21},    {"data", kArray, 0x4, 21},
        {"integer", kArray, 0x1, 8191},        {"date", kArray, 0x3, 8191},           {"set", kSet, 0x5, 21},
        {"dictionary keys", kKey, 0x5, 21},    {"dictionary values", kValue, 0x5, 21}};
    for (const auto& c : binary) {
        EXPECT_TRUE(plistWithinBounds(shared(c.via, leaf(c.type, 48000), c.uses))) << c.what;
        EXPECT_FALSE(plistWithinBounds(shared(c.via, leaf(c.type, 48000), c.uses + 1))) << c.what;
        EXPECT_TRUE(plistWithinBounds(chain(c.via, leaf(c.type, 3), kMaxPlistDepth))) << c.what;
        EXPECT_FALSE(plistWithinBounds(chain(c.via, leaf(c.type, 3), kMaxPlistDepth + 1))) << c.what;
    }
}

}  // namespace qc
