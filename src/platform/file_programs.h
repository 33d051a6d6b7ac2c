// The Mac's own programs for a file's owner, mode and quarantine mark
// (chown, chmod, xattr), the one thing both platforms share: each runs them
// through its own runner.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/process.h"
#include "common/result.h"

namespace qc {

using Runner = std::function<RunResult(const std::string& path, const std::vector<std::string>& arguments)>;

// A program's result as a status: its output when it failed.
Status runChecked(const Runner& run, const std::string& path, const std::vector<std::string>& arguments);

// chown to root:wheel, then chmod to the mode; the first failure.
Status runGiveToRootWheel(const Runner& run, const std::string& path, const std::string& mode);
Status runChangeMode(const Runner& run, const std::string& path, const std::string& mode);
// Deletes the quarantine mark that Gatekeeper acts on.
Status runClearQuarantine(const Runner& run, const std::string& path);

}  // namespace qc
