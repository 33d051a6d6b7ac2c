// Running external programs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qc {

struct RunResult {
    int32_t code = -1;  // exit status, the signal number, or -1 when it could not start
    std::string out;    // standard output and error merged; empty when not UTF-8
};

RunResult run(const std::string& path, const std::vector<std::string>& arguments);

// An absolute path stays as it is; a relative one is joined onto the working
// directory, and "." and ".." are resolved without looking at the file system.
std::string standardizedPath(const std::string& cwd, const std::string& path);

}  // namespace qc
