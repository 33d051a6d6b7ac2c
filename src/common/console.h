// Console conventions: unbuffered UTF-8 lines on standard output and error.
#pragma once

#include <string_view>

namespace qc {

// Writes straight to the descriptor, so every line reaches a log file at once.
// Never fails outwardly: a line that cannot be written (a terminal that went
// away, a full disk under the log) is lost and the command goes on.
void out(std::string_view text);
void outln(std::string_view text);
void err(std::string_view text);
void errln(std::string_view text);
// A failure as the user is shown it: "error: " and the fragment that says
// what failed. The one writer of that prefix.
void errorln(std::string_view what);

}  // namespace qc
