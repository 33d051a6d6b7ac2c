// One command per process: the command word picks a handler.
#pragma once

#include <string>
#include <vector>

namespace qc {

// Runs the command the arguments name (program name first) and returns the
// exit code. Root is checked here, once per command that needs it.
int dispatch(const std::vector<std::string>& args);

}  // namespace qc
