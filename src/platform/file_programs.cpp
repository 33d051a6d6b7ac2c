#include "platform/file_programs.h"

#include "common/text.h"

namespace qc {

Status runChecked(const Runner& run, const std::string& path, const std::vector<std::string>& arguments) {
    RunResult result = run(path, arguments);
    if (result.code != 0) return Error{std::string(trimBlanksAndNewlines(result.out))};
    return {};
}

Status runGiveToRootWheel(const Runner& run, const std::string& path, const std::string& mode) {
    Status owned = runChecked(run, "/usr/sbin/chown", {"root:wheel", path});
    Status moded = runChangeMode(run, path, mode);
    return owned ? moded : owned;
}

Status runChangeMode(const Runner& run, const std::string& path, const std::string& mode) {
    return runChecked(run, "/bin/chmod", {mode, path});
}

Status runClearQuarantine(const Runner& run, const std::string& path) {
    return runChecked(run, "/usr/bin/xattr", {"-dr", "com.apple.quarantine", path});
}

}  // namespace qc
