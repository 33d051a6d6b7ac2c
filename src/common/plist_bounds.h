// Limits a property list must keep before libplist sees it. libplist parses
// nesting by recursion, so a list nested deeply enough ends the process on
// its stack; a binary list can also name one object many times over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qc {

// The tool's own lists are a few kilobytes and nest at most four levels.
inline constexpr size_t kMaxPlistBytes = 64 * 1024;
inline constexpr size_t kMaxPlistDepth = 32;
// Objects of a binary list, each counted once for every place that uses it.
inline constexpr size_t kMaxPlistObjects = 8192;
// Bytes of data and text a binary list expands to, each shared object counted
// once for every place that uses it: a small list must not cost much memory.
inline constexpr uint64_t kMaxPlistExpandedBytes = 1024 * 1024;

// True when the bytes are small enough and nest no deeper than the limit: XML
// by a scan of its tags, a binary list by a walk of its object graph, without
// recursion, that also adds up what its shared objects expand to. A list that
// cannot be walked (a cycle, a reference out of range, a length past its end)
// is refused too.
bool plistWithinBounds(std::string_view bytes);

}  // namespace qc
