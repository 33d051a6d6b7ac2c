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

}  // namespace qc
