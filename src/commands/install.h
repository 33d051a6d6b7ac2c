// The install command: point this Mac at one server and keep it in step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qc {

// server and name as given on the command line; without a server, discovery
// chooses. Returns the exit code.
int cmdInstall(const std::optional<std::string>& server, const std::optional<std::string>& name, int64_t intervalSec);

}  // namespace qc
