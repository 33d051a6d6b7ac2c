// Console conventions: unbuffered UTF-8 lines on standard output and error,
// the usage text and the root requirement.
#pragma once

#include <string_view>

namespace qc {

// Writes straight to the descriptor, so every line reaches a log file at once.
void out(std::string_view text);
void outln(std::string_view text);
void errln(std::string_view text);

extern const std::string_view kUsageText;
void usage();

bool isRoot();
// Returns when the process may act as root; otherwise prints the re-run hint
// and ends the process with exit code 1.
void requireRoot(std::string_view hint);

[[noreturn]] void finish(int code);

}  // namespace qc
