// One forced sync with sntp, and the sync command with its fresh-boot retry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The lines of sntp's output that are printed: all of them, or only the
// distinct "sntp: " messages of a long failed run.
std::vector<std::string> sntpLinesToPrint(std::string_view output, int code);

bool oneSync(const std::string& server);
[[noreturn]] void cmdSync(const std::string& server);
double systemUptimeSeconds();

}  // namespace qc
