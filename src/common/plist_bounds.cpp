#include "common/plist_bounds.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qc {

namespace {

bool startsAt(std::string_view text, size_t at, std::string_view prefix) {
    return text.compare(at, prefix.size(), prefix) == 0;
}

// Every element counts, known or not. Comments, CDATA, declarations and
// quoted attribute values are skipped whole, and a closing tag ends only the
// element it names, so nothing in them can hide nesting; what would confuse
// the scan only makes the list look deeper.
bool xmlWithinDepth(std::string_view xml) {
    std::vector<std::string_view> open;
    size_t at = 0;
    while ((at = xml.find('<', at)) != std::string_view::npos) {
        std::string_view end = startsAt(xml, at, "<!--") ? "-->" : startsAt(xml, at, "<![CDATA[") ? "]]>" : "";
        if (!end.empty() || startsAt(xml, at, "<?") || startsAt(xml, at, "<!")) {
            if (end.empty()) end = ">";
            size_t close = xml.find(end, at + 2);
            if (close == std::string_view::npos) return false;
            at = close + end.size();
            continue;
        }
        const bool closing = startsAt(xml, at, "</");
        size_t tagEnd = at + 1;
        for (char quote = 0; tagEnd < xml.size() && (quote || xml[tagEnd] != '>'); ++tagEnd) {
            if (quote && xml[tagEnd] == quote)
                quote = 0;
            else if (!quote && (xml[tagEnd] == '"' || xml[tagEnd] == '\''))
                quote = xml[tagEnd];
        }
        if (tagEnd == xml.size()) return false;
        const size_t nameStart = at + (closing ? 2 : 1);
        size_t nameEnd = xml.find_first_of(" \t\r\n/>", nameStart);
        std::string_view name = xml.substr(nameStart, nameEnd - nameStart);
        if (closing) {
            if (!open.empty() && open.back() == name) open.pop_back();
        } else if (xml[tagEnd - 1] != '/') {
            open.push_back(name);
            if (open.size() > kMaxPlistDepth) return false;
        }
        at = tagEnd + 1;
    }
    return true;
}

uint64_t bigEndian(std::string_view bytes, size_t at, size_t size) {
    uint64_t value = 0;
    for (size_t k = 0; k < size; ++k) value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

// One object of a binary list: the objects it refers to (the elements of an
// array or set, the keys and values of a dictionary), and the bytes its own
// contents take once libplist has read it (data, and strings as UTF-8).
struct Binary {
    std::string_view bytes;
    size_t offsetSize = 0, refSize = 0, objects = 0, root = 0, table = 0;

    bool read(size_t object, std::vector<size_t>& out, uint64_t& contents) const {
        out.clear();
        contents = 0;
        const size_t at = static_cast<size_t>(bigEndian(bytes, table + object * offsetSize, offsetSize));
        if (at < 8 || at >= table) return false;
        const unsigned marker = static_cast<unsigned char>(bytes[at]);
        const unsigned type = marker >> 4;
        if (type != 0x4 && type != 0x5 && type != 0x6 && type != 0xA && type != 0xC && type != 0xD) return true;
        uint64_t count = marker & 0xF;
        size_t next = at + 1;
        if (count == 0xF) {
            if (next >= table || (static_cast<unsigned char>(bytes[next]) & 0xF0) != 0x10) return false;
            const size_t size = size_t{1} << (bytes[next] & 0x3);
            if (next + 1 + size > table) return false;
            count = bigEndian(bytes, next + 1, size);
            next += 1 + size;
        }
        // Data and ASCII take a byte each; a UTF-16 unit becomes up to three bytes of UTF-8.
        const uint64_t unit = type == 0x6 ? 2 : 1;
        if (type <= 0x6) {
            if (count > (table - next) / unit) return false;
            contents = count * (type == 0x6 ? 3 : 1);
            return true;
        }
        const uint64_t perEntry = type == 0xD ? 2 : 1;
        if (count > (table - next) / refSize / perEntry) return false;
        count *= perEntry;
        for (uint64_t k = 0; k < count; ++k) {
            const uint64_t child = bigEndian(bytes, next + k * refSize, refSize);
            if (child >= objects) return false;
            out.push_back(static_cast<size_t>(child));
        }
        return true;
    }
};

// Depth-first, with an explicit stack no deeper than the limit. Each object
// is walked once; its height, its count of uses below it and the bytes it
// expands to are kept, so shared objects cost nothing more to walk, yet count
// once for every place that uses them; a cycle shows as an object met again
// while it is still being walked.
bool binaryWithinBounds(std::string_view bytes) {
    if (bytes.size() < 8 + 32) return false;
    const size_t trailer = bytes.size() - 32;
    Binary list{bytes};
    list.offsetSize = static_cast<unsigned char>(bytes[trailer + 6]);
    list.refSize = static_cast<unsigned char>(bytes[trailer + 7]);
    const uint64_t objects = bigEndian(bytes, trailer + 8, 8), root = bigEndian(bytes, trailer + 16, 8);
    const uint64_t table = bigEndian(bytes, trailer + 24, 8);
    if (list.offsetSize < 1 || list.offsetSize > 8 || list.refSize < 1 || list.refSize > 8) return false;
    if (objects == 0 || root >= objects || table < 8 || table > trailer ||
        objects > (trailer - table) / list.offsetSize)
        return false;
    list.objects = static_cast<size_t>(objects);
    list.root = static_cast<size_t>(root);
    list.table = static_cast<size_t>(table);

    enum : uint8_t { kNew, kWalking, kDone };
    std::vector<uint8_t> state(list.objects, kNew);
    std::vector<size_t> height(list.objects, 0), uses(list.objects, 0);
    std::vector<uint64_t> expanded(list.objects, 0);
    struct Frame {
        size_t object;
        std::vector<size_t> children;
        uint64_t contents = 0;
        size_t next = 0;
    };
    std::vector<Frame> stack;
    auto enter = [&](size_t object) {
        stack.push_back({object, {}});
        state[object] = kWalking;
        Frame& frame = stack.back();
        return stack.size() <= kMaxPlistDepth && list.read(object, frame.children, frame.contents);
    };
    if (!enter(list.root)) return false;
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next < frame.children.size()) {
            const size_t child = frame.children[frame.next++];
            if (state[child] == kWalking) return false;
            if (state[child] == kNew && !enter(child)) return false;
            continue;
        }
        size_t h = 0, u = 1;
        uint64_t e = frame.contents;
        if (e > kMaxPlistExpandedBytes) return false;
        for (size_t child : frame.children) {
            h = std::max(h, height[child]);
            u += uses[child];
            e += expanded[child];
            if (u > kMaxPlistObjects || e > kMaxPlistExpandedBytes) return false;
        }
        const size_t done = frame.object;
        height[done] = h + 1;
        uses[done] = u;
        expanded[done] = e;
        state[done] = kDone;
        stack.pop_back();
        if (stack.size() + height[done] > kMaxPlistDepth) return false;
    }
    return true;
}

}  // namespace

bool plistWithinBounds(std::string_view bytes) {
    if (bytes.size() > kMaxPlistBytes) return false;
    // libplist reads a list as binary exactly when it begins with this magic,
    // and as XML otherwise.
    if (startsAt(bytes, 0, "bplist00")) return binaryWithinBounds(bytes);
    return xmlWithinDepth(bytes);
}

}  // namespace qc
