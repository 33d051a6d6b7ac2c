// Reading the command line: options are looked up in the whole argument list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qc {

// The element after the first one equal to name; absent when there is none
// or name is the last element. Exact, whole comparison.
std::optional<std::string> optValue(const std::vector<std::string>& args, const std::string& name);

// A flag: an element exactly equal to name anywhere after the command word.
bool hasFlag(const std::vector<std::string>& args, const std::string& name);

// The sync interval of install from the text after --interval: the fallback
// when it is not a whole number, and at least 60.
int64_t installInterval(const std::optional<std::string>& text, int64_t fallback);

}  // namespace qc
