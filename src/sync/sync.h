// One forced sync with sntp, and how long ago the system booted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The lines of sntp's output that are printed: all of them, or only the
// distinct "sntp: " messages of a long failed run.
std::vector<std::string> sntpLinesToPrint(std::string_view output, int code);

bool oneSync(const std::string& server);
double systemUptimeSeconds();

}  // namespace qc
