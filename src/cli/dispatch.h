// One command per process: the command word picks a handler.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qc {

std::optional<std::string> optValue(const std::vector<std::string>& args, const std::string& name);
std::optional<std::string> optValue(const std::string& name);

// The sync interval of install from the text after --interval.
int64_t installInterval(const std::optional<std::string>& text, int64_t fallback);

[[noreturn]] void dispatch();

}  // namespace qc
