// The one place the process ends: every handler returns its exit code here.
#include <climits>
#include <cstdlib>
#include <unistd.h>

#include "cli/dispatch.h"
#include "common/paths.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    char cwd[PATH_MAX];
    qc::PathInputs in;
    in.programName = args.empty() ? std::string() : args.front();
    in.cwd = getcwd(cwd, sizeof cwd) ? cwd : "/";
    in.euid = geteuid();
    in.ruid = getuid();
    in.getenv = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    };
    qc::setPaths(qc::buildPaths(in));
    return qc::dispatch(args);
}
