// Which server install points the Mac at.
#pragma once

#include <optional>
#include <string>

#include "common/result.h"

namespace qc {

struct ServerChoice {
    std::string ip;
    std::optional<std::string> name;
};

// The address given (with its name), the only available server, or the one
// the user picks from a numbered list at the prompt; the line that says why
// there is none.
Result<ServerChoice> resolveServer(const std::optional<std::string>& server, const std::optional<std::string>& name);

}  // namespace qc
