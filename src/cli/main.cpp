// The one place the process ends: every handler returns its exit code here.
#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/dispatch.h"
#include "common/paths.h"
#include "platform/mac_platform.h"
#include "platform/selftest_platform.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    char cwd[PATH_MAX];
    qc::PathInputs in;
    in.programName = args.empty() ? std::string() : args.front();
    in.cwd = getcwd(cwd, sizeof cwd) ? cwd : "/";
    in.euid = geteuid();
    // Root's folders and files get the modes the tool means, not whatever
    // umask the administrator's shell happened to have.
    if (in.euid == 0) umask(022);
    in.ruid = getuid();
    in.getenv = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    };
    qc::setPaths(qc::buildPaths(in));
    // The one place that decides between the Mac and test mode.
    auto testMode = qc::testModePaths(qc::paths(), in);
    qc::setPlatform(testMode ? qc::selfTestPlatform(std::move(*testMode)) : qc::macPlatform());
    return qc::dispatch(args);
}
